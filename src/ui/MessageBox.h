#pragma once

#include <QMessageBox>
#include <QString>

#include <string>

class CStringTable;
class QWidget;

// Every message the program shows goes through here: it is also written as one line to stderr,
// and with FERNZAHL_NONINTERACTIVE=1 it is answered at once with its default button, so scripts
// and tests never wait for a window.
class CMessageBox {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information, Question, Warning, Stop };

    static QMessageBox::StandardButton Show(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
                                            Icon icon = Icon::Information);
    static bool IsNonInteractive();
    // Message 458: the file at the path could not be written.
    static void ShowNotWritten(QWidget* parent, const CStringTable& strings, const std::string& path);
};
