#include "ui/MessageBox.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "ui/FormDlg.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QMessageBox::Icon ToQtIcon(CMessageBox::Icon icon) {
    switch (icon) {
    case CMessageBox::Icon::Information:
        return QMessageBox::Information;
    case CMessageBox::Icon::Question:
        return QMessageBox::Question;
    case CMessageBox::Icon::Warning:
        return QMessageBox::Warning;
    case CMessageBox::Icon::Stop:
        return QMessageBox::Critical;
    case CMessageBox::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

void WriteToStderr(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "fernzahl: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

void CMessageBox::ShowNotWritten(QWidget* parent, const CStringTable& strings, const std::string& path) {
    Show(parent, QString::fromStdString(strings.Format(Str::kFileNotWritten, {path})), Buttons::Ok, Icon::Stop);
}

bool CMessageBox::IsNonInteractive() {
    const char* value = std::getenv("FERNZAHL_NONINTERACTIVE");
    return value && std::strcmp(value, "1") == 0;
}

QMessageBox::StandardButton CMessageBox::Show(QWidget* parent, const QString& text, Buttons buttons, Icon icon) {
    WriteToStderr(text);
    const bool question = buttons != Buttons::Ok;
    const QMessageBox::StandardButtons set =
        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok);
    if (IsNonInteractive()) {
        return question ? QMessageBox::Yes : QMessageBox::Ok;
    }
    QString title = QApplication::applicationDisplayName();
    if (title.isEmpty()) {
        title = QStringLiteral("Fernzahl");
    }
    QMessageBox box(ToQtIcon(icon), title, text, set, parent);
    box.setDefaultButton(buttons == Buttons::YesNoDestroys ? QMessageBox::No
                         : question                        ? QMessageBox::Yes
                                                           : QMessageBox::Ok);
    return static_cast<QMessageBox::StandardButton>(RunModal(box));
}
