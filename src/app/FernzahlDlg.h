#pragma once

#include "core/Services.h"
#include "log/BeschreibungDlg.h"
#include "log/ProtokollDlg.h"
#include "metering/MeterLoop.h"
#include "platform/CheckpointFile.h"
#include "platform/DesktopNotifications.h"
#include "platform/MeterBusService.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

class DialUpSource;
class ModemLine;
class Phonebook;
class QGroupBox;
class QGuiApplication;
class QLabel;
class QMenu;
class QMenuBar;
class QRadioButton;
class QSystemTrayIcon;

// The main window: one face of the meter. Its timer beats the meter loop every 500 ms; it shows
// what the loop tells (the tray tooltip, the caption, its texts), asks the questions of a
// connection's end, and tells the desktop's notification service, else the tray, what the meter
// has to say. The meter is also on the session bus. Mostly the window is hidden in the tray.
class CFernzahlDlg : public QDialog, private MeterObserver {
    Q_OBJECT
public:
    enum Command : unsigned {
        kExit = 1,
        kHide = 2,
        kShow = 32777,
        kResetDaily = 32785,
        kResetWeekly = 32786,
        kResetMonthly = 32787,
        kResetTotal = 32788,
        kAlwaysOnTop = 32791,
        kTariffEditor = 32795,
        kLog = 32798,
        kOptions = 32801,
        kTariffOptions = 32823,
        kAssignment = 32826,
        kAbout = 57664,
        kHelp = 57670,
    };
    static constexpr int kHeartbeatMs = CMeterLoop::kBeatMs;
    static constexpr int kTooltipLength = 63;

    CFernzahlDlg(const Services& services, DialUpSource& dialUp, Phonebook& phonebook, ModemLine& modem,
                 QWidget* parent = nullptr);
    ~CFernzahlDlg() override;

    void OnCommand(unsigned command);
    // Whether a command can be chosen now; a command without a window yet never can.
    bool IsCommandEnabled(unsigned command) const;
    // One beat of the heartbeat; the timer calls it every 500 ms.
    void Heartbeat();
    // Log-off, shutdown or a termination signal: a running connection is ended as at its end
    // (counters saved, logged), the heartbeat stops, the tray icon goes and the window closes.
    void Shutdown();
    // The desktop session's end: the session manager's question whether it may end only saves the
    // running connection's state (the user may still cancel the logout); the end itself shuts down.
    void FollowSession(QGuiApplication& application);

    // Brings the window up; the token is the one a second start handed over (Wayland lets a window
    // take the focus only with one).
    void Activate(const QString& token);

    const CMeterStation& Station() const { return m_loop.Station(); }
    const CVerbindungsWaechter& Watcher() const { return m_loop.Watcher(); }
    const CMeterBusService& Bus() const { return m_bus; }
    CProtokollDlg* LogView() const { return m_logView; }
    // The tray icon's menu (made also where the desktop has no tray).
    const QMenu& TrayMenu() const { return *m_trayMenu; }
    const QString& Tooltip() const { return m_tooltip; }
    bool IsShownByProgram() const { return m_visible; }
    // The text of the tray tooltip: at most 63 characters.
    static QString TooltipText(const std::string& text);

protected:
    void reject() override;
    void changeEvent(QEvent* event) override;
    // A period's button, taking the focus, carries that period's figures for a screen reader.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a command does, and when it can be chosen (always, without a check). A command that
    // opens a window of its own waits while another window is open: that one comes to the front.
    struct CommandHandler {
        std::function<void()> run;
        std::function<bool()> enabled;
        bool opensWindow = true;
    };

    void AddCommands();
    void Initialise();
    void RunOptions();
    void RunLogView();
    void RunAssignment();
    void ConfirmExit();
    // Ends the program as Shutdown does; the user who chose Exit is asked to describe a connection
    // without a name.
    void EndProgram(bool userPresent);
    bool HasSeveralTariffFiles() const;

    // What the meter loop tells.
    void OnConnectionStarted() override;
    void OnMetering(int unitsCharged) override;
    void OnConnectionEnded(const LogEntry& ended) override;
    void OnCountersChanged() override;
    void OnLogChanged() override;
    void OnNotice(const MeterNotice& notice) override;
    void OnFileProblem(const std::string& text) override;
    void OnAlarm() override;
    // A notice the desktop's notification service did not take: the tray's balloon or a message box.
    void TellWithoutNotifications(const MeterNotice& notice);

    // Asks for the description of the connection that ended, after the beat, then completes its end.
    void AskDescriptionLater();
    // The ended connection in the window's texts, unless a new one began meanwhile.
    void ShowEndedConnection();
    // A warning through the tray's balloon; without a tray the window asks for attention.
    void Warn(const MeterNotice& notice);
    void RefreshCounterDisplay();
    // The figures of a period (0 daily .. 3 total), the monthly one with the budget's line.
    QString CounterText(int period) const;
    static QString SpokenText(QString caption, QString text);
    void RefreshConnectionText();
    // While neither dial-up networking nor the modem line is watched, a line says so and offers
    // the options: nothing would ever be metered.
    void AddNothingWatchedLine();
    void RefreshNothingWatchedLine();
    void SetTooltip(const std::string& text);
    void UpdateMenuState();
    void SetAlwaysOnTop(bool onTop);
    void ShowFromTray(const QString& token = {});
    // Brings the modal window that is open to the front; false when none is open.
    static bool BringOpenWindowUp();
    void HideToTray();
    void ResetCounter(CMeterStation::Counter counter);
    void StartFlashing();
    void Flash();
    bool HasTray() const;

    const Services& m_services;
    Phonebook& m_phonebook;
    ModemLine& m_modem;
    QPointer<CProtokollDlg> m_logView; // while it is open
    std::map<unsigned, CommandHandler> m_commands;
    CCheckpointFile m_checkpoint;
    CMeterLoop m_loop;
    CDescriptionPrompt m_prompt;
    CDesktopNotifications m_notifications;
    CMeterBusService m_bus;
    QTimer m_heartbeat;
    QTimer m_flash;
    int m_flashCount = 0;
    bool m_alwaysOnTop = false;
    bool m_visible = false;
    bool m_shutDown = false;
    bool m_askingExit = false;
    int m_counterChoice = -1;
    QString m_tooltip;
    QGroupBox* m_counterCaption = nullptr;
    QGroupBox* m_connectionCaption = nullptr;
    QLabel* m_connectionText = nullptr;
    QLabel* m_counterText = nullptr;
    QWidget* m_nothingWatched = nullptr;
    QRadioButton* m_choices[4] = {};
    QMenuBar* m_menuBar = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    std::unique_ptr<QMenu> m_trayMenu;
};
