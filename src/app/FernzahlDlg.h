#pragma once

#include "core/Services.h"
#include "detection/VerbindungsWaechter.h"
#include "log/BeschreibungDlg.h"
#include "log/ProtokollDlg.h"
#include "metering/MeterStation.h"
#include "platform/CheckpointFile.h"

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

// The main window and the program's heartbeat. It owns the connection watcher and the meter
// station; every 500 ms it checks for a new day, polls the watcher, starts or ends the meter run
// on its edges, charges due units and refreshes the tray tooltip, the caption and its texts.
// Mostly it is hidden and the program lives in the tray.
class CFernzahlDlg : public QDialog {
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
    static constexpr int kHeartbeatMs = 500;
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

    const CMeterStation& Station() const { return m_station; }
    const CVerbindungsWaechter& Watcher() const { return m_watcher; }
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
    void ReportRecovery();
    void RunOptions();
    void RunLogView();
    void RunAssignment();
    void ConfirmExit();
    // Ends the program as Shutdown does; the user who chose Exit is asked to describe a connection
    // without a name.
    void EndProgram(bool userPresent);
    bool HasSeveralTariffFiles() const;
    void OnConnectionStarted();
    // False when the automatic export failed: the rest of the tick is skipped.
    bool OnConnectionEnded();
    // Saves the counters and logs the connection, telling the user when the log failed.
    void LogConnection();
    void DescribeEndedConnection();
    void ReportLogNotWritten();
    // Exports the log and shows the ended connection; false when the export failed.
    bool ShowEndedConnection();
    void ChargeAndRefresh();
    void ReportCheckpointFailure();
    // Reads the budget anew after a change of the monthly counter or the settings and warns of each
    // threshold passed that has not been warned of this month.
    void CheckBudget();
    // A warning through the notification area; without one the window asks for attention.
    void Warn(unsigned titleId, const QString& text);
    void RefreshCounterDisplay();
    void RefreshConnectionText();
    // While neither dial-up networking nor the modem line is watched, a line says so and offers
    // the options: nothing would ever be metered.
    void AddNothingWatchedLine();
    void RefreshNothingWatchedLine();
    void SetTooltip(const std::string& text);
    void UpdateMenuState();
    void SetAlwaysOnTop(bool onTop);
    void ShowFromTray();
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
    CVerbindungsWaechter m_watcher;
    CCheckpointFile m_checkpoint;
    CMeterStation m_station;
    CDescriptionPrompt m_prompt;
    QTimer m_heartbeat;
    QTimer m_flash;
    int m_flashCount = 0;
    bool m_alwaysOnTop = false;
    bool m_visible = false;
    bool m_shutDown = false;
    bool m_askingExit = false;
    bool m_checkpointFailureTold = false;
    int m_counterChoice = -1;
    QString m_tooltip;
    std::string m_budgetText; // under the monthly counter while a budget is set
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
