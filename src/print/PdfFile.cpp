#include "print/PdfFile.h"

#include "core/FileDescriptor.h"
#include "core/FileLayer.h"

#include <QFile>
#include <QGuiApplication>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The printer says nothing of a write that failed; a whole PDF ends with its end-of-file mark.
bool IsWholePdf(const QString& file) {
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) && pdf.size() >= 16 && pdf.seek(pdf.size() - 16) &&
           pdf.read(16).trimmed().endsWith("%%EOF");
}

// Draws the PDF into the file of that name. Qt takes a name as text, which loses bytes that are no
// text in the locale's encoding (a folder "B\xFCro"): such a file is drawn under a name of plain
// letters in its folder, reached through the folder's descriptor, and renamed to its own.
bool DrawInto(const std::string& name, const std::function<bool(QPrinter&)>& draw) {
    const auto drawn = [&draw](const QString& file) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return draw(printer) && IsWholePdf(file);
    };
    const QString file = QFile::decodeName(QByteArray::fromStdString(name));
    if (QFile::encodeName(file).toStdString() == name) {
        return drawn(file);
    }
    const std::string folder = std::filesystem::path(name).parent_path().string();
    const CFileDescriptor directory(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    const std::string plain = ".fernzahl-print-" + std::to_string(getpid()) + ".pdf";
    const bool written =
        directory.IsOpen() &&
        drawn(QStringLiteral("/proc/self/fd/%1/").arg(directory.Get()) + QString::fromLatin1(plain.c_str())) &&
        CFileLayer::Rename(folder + "/" + plain, name);
    if (!written) {
        unlink((folder + "/" + plain).c_str());
    }
    return written;
}

// A device or a pipe cannot be read back to see whether the PDF reached it whole: it is drawn into
// a scratch file and copied there, every write checked.
bool DrawThroughScratchFile(const std::string& path, const std::function<bool(QPrinter&)>& draw) {
    const char* folder = std::getenv("TMPDIR");
    std::string scratch = std::string(folder != nullptr && *folder == '/' ? folder : "/tmp") + "/fernzahl-XXXXXX";
    const CFileDescriptor fd(mkstemp(scratch.data()));
    std::string pdf;
    const bool drawn = fd.IsOpen() && DrawInto(scratch, draw) && ReadWholeFile(scratch, pdf);
    if (fd.IsOpen()) {
        unlink(scratch.c_str());
    }
    return drawn && CFileLayer::ReplaceThroughStream(path, [&pdf](std::FILE* out) {
               return std::fwrite(pdf.data(), 1, pdf.size(), out) == pdf.size();
           });
}

} // namespace

bool PrintToPdf(const std::string& path, const std::function<bool(QPrinter&)>& draw) {
    std::unique_ptr<QGuiApplication> application;
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fernzahl-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return DrawThroughScratchFile(path, draw);
    }
    // Drawn beside the file and put in its place once whole: a full disk leaves the last printout.
    return CFileLayer::ReplaceByName(path, [&draw](const std::string& name) { return DrawInto(name, draw); });
}
