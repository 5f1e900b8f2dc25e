#pragma once

#include <QTextBrowser>
#include <QUrl>

// The user guide in a window of the program's own, where no browser takes it: a bundled page with
// its links followed inside the window. Escape closes it, and closed it is gone.
class CHelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // A page, scrolled to the section its address names (file:///.../index.html#log-filter).
    explicit CHelpWindow(const QUrl& page);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
