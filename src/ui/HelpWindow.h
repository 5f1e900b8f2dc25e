#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The user guide in a window of the program's own, where no browser takes it: a bundled page with
// its links followed inside the window. Read by keyboard as a document: the arrows move a caret
// through the text, Tab goes from link to link. Escape closes it, and closed it is gone.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    // A page, scrolled to the section its address names (file:///.../index.html#log-filter).
    explicit CHelpWindow(const QUrl& page);
    QTextBrowser* Browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* m_browser;
};
