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
    // YesNoDestroys: a question whose Yes destroys stored data has No as its default button, so that
    // a stray Return keeps the data; answered without a window it is Yes, as every question is.
    enum class Buttons { Ok, YesNo, YesNoDestroys };
    enum class Icon { None, Information, Question, Warning, Stop };

    static QMessageBox::StandardButton Show(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
                                            Icon icon = Icon::Information);
    static bool IsNonInteractive();
    // Message 458: the file at the path could not be written.
    static void ShowNotWritten(QWidget* parent, const CStringTable& strings, const std::string& path);
};
