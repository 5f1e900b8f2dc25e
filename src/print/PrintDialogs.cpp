#include "print/PrintDialogs.h"

#include "ui/FormDlg.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
void DrawWaiting(QPrinter& printer, const Printout& draw) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    draw(printer);
    QApplication::restoreOverrideCursor();
}
} // namespace

void PrintWithDialog(QWidget* parent, const Printout& draw) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    // Whole printouts only: no page range, no selection; copies are the driver's business.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (RunModal(dialog) == QDialog::Accepted) {
        DrawWaiting(printer, draw);
    }
}

void PrintWithPreview(QWidget* parent, const Printout& draw) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* shown) { DrawWaiting(*shown, draw); });
    RunModal(dialog);
}
