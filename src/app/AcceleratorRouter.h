#pragma once

#include <QKeySequence>
#include <QObject>

#include <functional>
#include <vector>

// The keyboard accelerators: every key press of the program is tried against table 209 for the
// main window first, then against table 210 for the log view while it is open, whatever window
// has the focus.
class CAcceleratorRouter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(unsigned)>;

    // Table 209 goes to the main window, table 210 to the log view.
    void SetMainWindow(Handler handler) { m_main = std::move(handler); }
    void SetLogView(Handler handler) { m_logView = std::move(handler); }
    // The command of a key in a table, 0 for none.
    static unsigned CommandOf(unsigned table, const QKeySequence& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_main;
    Handler m_logView;
};
