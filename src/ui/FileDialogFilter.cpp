#include "ui/FileDialogFilter.h"

#include "platform/PathText.h"
#include "ui/FormDlg.h"

#include <QFileDialog>
#include <QRegularExpression>

#include <QStringList>

QString ToQtFileFilter(const std::string& resourceFilter) {
    const QStringList parts = QString::fromStdString(resourceFilter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The name usually shows its patterns already; the patterns are what Qt needs in brackets.
        QString name = parts[i];
        const qsizetype bracket = name.indexOf(QLatin1Char('('));
        if (bracket > 0) {
            name = name.left(bracket).trimmed();
        }
        filters << QStringLiteral("%1 (%2)").arg(name, parts[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> AskSavePath(QWidget* parent, const QString& title, const std::string& proposed,
                                       const std::string& resourceFilter, const QString& suffix) {
    QFileDialog dialog(parent, title, PathToQt(proposed), ToQtFileFilter(resourceFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // A name typed without an extension takes the one of the filter chosen ("CSV files (*.csv)").
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QRegularExpressionMatch pattern = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        if (pattern.hasMatch()) {
            dialog.setDefaultSuffix(pattern.captured(1));
        }
    });
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQt(dialog.selectedFiles().constFirst(), proposed);
}
