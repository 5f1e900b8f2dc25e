#include "print/PdfFile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>

#include <memory>

bool PrintToPdf(const std::string& path, const std::function<bool(QPrinter&)>& draw) {
    std::unique_ptr<QGuiApplication> application;
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fernzahl-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QString file = QString::fromStdString(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return draw(printer) && QFileInfo(file).size() > 0;
}
