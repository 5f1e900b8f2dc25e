#pragma once

#include <QKeySequence>
#include <QObject>

#include <functional>
#include <vector>

// The main window's keyboard accelerators (table 209): every key press of the program is tried
// against them, whatever window has the focus. The log view's keys (table 210) are its own
// window shortcuts, so they act only while it is the active window.
class CAcceleratorRouter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(unsigned)>;
    static constexpr unsigned kMainWindowTable = 209;

    void SetMainWindow(Handler handler) { m_main = std::move(handler); }
    // The command of a key in a table, 0 for none.
    static unsigned CommandOf(unsigned table, const QKeySequence& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_main;
};
