#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal, delivered in the event loop, so that the
// program ends a running connection cleanly (logged, counters saved) before it exits; and SIGUSR1,
// a second start's request, into one that shows the program.
class CTerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit CTerminationSignals(QObject* parent = nullptr);
    ~CTerminationSignals() override;

signals:
    void TerminationRequested();
    void ShowRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};
