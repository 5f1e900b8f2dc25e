#include "print/PdfFile.h"

#include "core/FileLayer.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>

#include <memory>

namespace {

// The printer says nothing of a write that failed; a whole PDF ends with its end-of-file mark. A
// device or pipe cannot be read back.
bool IsWholePdf(const QString& file) {
    if (!QFileInfo(file).isFile()) {
        return true;
    }
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) && pdf.size() >= 16 && pdf.seek(pdf.size() - 16) &&
           pdf.read(16).trimmed().endsWith("%%EOF");
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
    // Drawn beside the file and put in its place once whole: a full disk leaves the last printout.
    return CFileLayer::ReplaceByName(path, [&draw](const std::string& name) {
        const QString file = QFile::decodeName(QByteArray::fromStdString(name));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return draw(printer) && IsWholePdf(file);
    });
}
