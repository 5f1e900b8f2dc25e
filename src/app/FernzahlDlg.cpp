#include "app/FernzahlDlg.h"

#include "app/AboutDlg.h"
#include "app/CrashPoint.h"
#include "core/Clock.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "core/TextEncoding.h"
#include "log/AutoExport.h"
#include "log/ProtokollDlg.h"
#include "log/ProtokollFile.h"
#include "metering/Budget.h"
#include "metering/ZaehlerFile.h"
#include "settings/OptionenSheet.h"
#include "settings/SettingsStore.h"
#include "tariff_editor/TariffCommands.h"
#include "tariffs/TariffFiles.h"
#include "tariffs/ZuordnungDlg.h"
#include "ui/FormDlg.h"
#include "ui/FormLoader.h"
#include "ui/Help.h"
#include "ui/MessageBox.h"
#include "ui/UiResources.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

namespace {

constexpr int kFlashes = 10;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CFernzahlDlg::CFernzahlDlg(const Services& services, DialUpSource& dialUp, Phonebook& phonebook, ModemLine& modem,
                           QWidget* parent)
    : QDialog(parent), m_services(services), m_phonebook(phonebook), m_modem(modem), m_watcher(services, dialUp, modem),
      m_checkpoint(services.settings.GetProgramDirectory()), m_station(services, &m_checkpoint),
      m_prompt(services.settings, services.strings, this) {
    // A main window, not a dialog: window managers let it be minimized, and it has no help button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const QWidget* form = CFormLoader::LoadInto(this, Form::kMain);
    m_counterCaption = CFormLoader::Find<QGroupBox>(form, Form::kMain, Control::kCounterCaption);
    m_connectionCaption = CFormLoader::Find<QGroupBox>(form, Form::kMain, Control::kConnectionCaption);
    m_connectionText = CFormLoader::Find<QLabel>(form, Form::kMain, Control::kConnectionText);
    m_counterText = CFormLoader::Find<QLabel>(form, Form::kMain, Control::kCounterText);
    for (int i = 0; i < 4; ++i) {
        m_choices[i] = CFormLoader::Find<QRadioButton>(form, Form::kMain, Control::kFirstCounterChoice + i);
        // Toggled, not clicked: the arrow keys and a screen reader's action switch the counter too.
        connect(m_choices[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                RefreshCounterDisplay();
            }
        });
    }
    AddNothingWatchedLine();
    m_station.Meter().SetDescriptionPrompt(&m_prompt);
    ArmCrashPoint(m_station);
    AddCommands();
    m_menuBar = new QMenuBar(this);
    CUiResources::FillMenuBar(*m_menuBar, Menu::kMain, [this](unsigned command) { OnCommand(command); });
    layout()->setMenuBar(m_menuBar);
    setWindowTitle(QApplication::applicationDisplayName());
    // Minimized while metering, the caption carries the counter; a screen reader keeps the name.
    setAccessibleName(QApplication::applicationDisplayName());
    setWindowIcon(CUiResources::Icon(Icon::kWindow));
    connect(&m_heartbeat, &QTimer::timeout, this, &CFernzahlDlg::Heartbeat);
    connect(&m_flash, &QTimer::timeout, this, &CFernzahlDlg::Flash);
    Initialise();
}

CFernzahlDlg::~CFernzahlDlg() = default;

bool CFernzahlDlg::HasTray() const {
    return m_tray != nullptr;
}

void CFernzahlDlg::Initialise() {
    SettingsStore& settings = m_services.settings;
    if (settings.Read(Setting::kFirstSteps) == 0) {
        // The very first start: the window stays up and the user guide opens at its first steps.
        // Only a page the user saw counts: a guide that could not be shown comes again next time.
        CHelp::Open(QString::fromLatin1(CHelp::kFirstSteps),
                    [store = &settings] { store->Write(Setting::kFirstSteps, 1); });
    } else {
        QTimer::singleShot(0, this, [this] {
            if (HasTray()) {
                hide();
            }
        });
    }
    // The menu is made even where no tray will show it, so that it is the same everywhere.
    m_trayMenu = std::make_unique<QMenu>();
    const std::vector<MenuPopup>& trayMenu = CUiResources::Menus().Menu(Menu::kTray);
    if (!trayMenu.empty()) {
        CUiResources::FillMenu(*m_trayMenu, trayMenu.front(), [this](unsigned command) { OnCommand(command); });
    }
    for (QAction* action : m_trayMenu->actions()) {
        if (action->data().toUInt() == kShow) {
            m_trayMenu->setDefaultAction(action);
        }
    }
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(CUiResources::Icon(Icon::kIdle), this);
        m_tray->setContextMenu(m_trayMenu.get());
        // A click shows the window, as on most Linux desktops; the menu comes with the right button.
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) {
                OnCommand(kShow);
            }
        });
        m_tray->show();
    }
    SetTooltip(m_station.Meter().GetShortText());
    m_visible = false;
    ReportRecovery();
    m_heartbeat.start(kHeartbeatMs);
    SetAlwaysOnTop(settings.Read(Setting::kImmerSichtbar) != 0);
    UpdateMenuState();
    m_counterChoice = static_cast<int>(settings.Read(Setting::kZaehlerAnzeige)) & 3;
    m_choices[m_counterChoice]->setChecked(true);
    m_connectionCaption->setTitle(Text(m_services.strings.Get(Str::kLastConnection)));
    RefreshConnectionText();
    CheckBudget();
    RefreshCounterDisplay();
}

void CFernzahlDlg::ReportRecovery() {
    for (const CRunRecovery::Result& recovery : m_station.GetRecovery()) {
        const bool recovered = recovery.outcome == CRunRecovery::Outcome::Recovered ||
                               recovery.outcome == CRunRecovery::Outcome::LoggedLater;
        CMessageBox::Show(this, Text(CRunRecovery::Describe(recovery, m_services.strings)), CMessageBox::Buttons::Ok,
                          recovered ? CMessageBox::Icon::Information : CMessageBox::Icon::Warning);
    }
}

QString CFernzahlDlg::TooltipText(const std::string& text) {
    return Text(TruncateUtf8(text, kTooltipLength));
}

void CFernzahlDlg::SetTooltip(const std::string& text) {
    m_tooltip = TooltipText(text);
    if (m_tray != nullptr) {
        m_tray->setToolTip(m_tooltip);
    }
}

void CFernzahlDlg::Heartbeat() {
    if (m_station.CheckNewDay()) {
        CheckBudget();
        RefreshCounterDisplay();
    }
    if (m_station.RetryUnlogged() && m_logView != nullptr) {
        m_logView->Refill();
    }
    m_watcher.Poll();
    if (const auto problem = m_watcher.TakeModemProblem()) {
        Warn(Str::kModemLineTitle,
             Text(CVerbindungsWaechter::Describe(*problem, m_services.strings, m_services.userName)));
    }
    if (m_watcher.HasStarted()) {
        OnConnectionStarted();
    } else if (m_watcher.HasEnded() && !OnConnectionEnded()) {
        return;
    }
    if (m_station.Meter().IsRunning()) {
        ChargeAndRefresh();
    }
}

void CFernzahlDlg::OnConnectionStarted() {
    m_station.StartConnection(m_watcher.GetStartOffset(), m_watcher.GetTariffFile(), m_watcher.GetDeviceName(),
                              m_watcher.GetConnectionName(), m_watcher.GetTariffName());
    CheckBudget(); // the minimum charge counts from the start
    m_connectionCaption->setTitle(Text(m_services.strings.Get(Str::kCurrentConnection)));
    if (m_tray != nullptr) {
        m_tray->setIcon(CUiResources::Icon(Icon::kMetering));
    }
    if (m_services.settings.Read(Setting::kSichtbarBeiVerb) != 0) {
        // Minimized, so that the taskbar button carries the running counter in its caption.
        m_visible = true;
        showMinimized();
    }
}

bool CFernzahlDlg::OnConnectionEnded() {
    if (m_tray != nullptr) {
        m_tray->setIcon(CUiResources::Icon(Icon::kIdle));
    }
    // The final counter of the run stays in the tooltip until the next connection.
    SetTooltip(m_station.Meter().GetShortText());
    if (isMinimized()) {
        setWindowTitle(m_tooltip);
    }
    LogConnection();
    if (m_station.Meter().IsDescriptionDue()) {
        // Asked once this beat is over: a timer never fires inside its own handler, and the heartbeat
        // must go on (and meter a new connection) while the prompt is open.
        QTimer::singleShot(0, this, [this] { DescribeEndedConnection(); });
        return true;
    }
    return ShowEndedConnection();
}

void CFernzahlDlg::LogConnection() {
    if (!m_station.EndConnection(false)) {
        ReportLogNotWritten();
    }
}

void CFernzahlDlg::DescribeEndedConnection() {
    if (!m_shutDown && !m_station.Meter().AskDescription()) {
        // The record is there; only its description could not be written into it.
        CMessageBox::ShowNotWritten(this, m_services.strings,
                                    m_services.settings.GetProgramDirectory() + CProtokollFile::kFileName);
    }
    ShowEndedConnection();
}

void CFernzahlDlg::ReportLogNotWritten() {
    const std::string directory = m_services.settings.GetProgramDirectory();
    const CMeterStation::EndWrites& end = m_station.GetLastEnd();
    if (!end.counted) {
        CMessageBox::ShowNotWritten(this, m_services.strings, directory + CZaehlerFile::kFileName);
    }
    if (end.logged) {
        return;
    }
    const std::string log = directory + CProtokollFile::kFileName;
    const std::string text = end.unloggedKeptAs.empty()
                                 ? m_services.strings.Format(Str::kLogNotWritten, {log})
                                 : m_services.strings.Format(Str::kLogNotWrittenKept, {log, end.unloggedKeptAs});
    CMessageBox::Show(this, Text(text), CMessageBox::Buttons::Ok, CMessageBox::Icon::Stop);
}

bool CFernzahlDlg::ShowEndedConnection() {
    if (m_logView != nullptr) {
        m_logView->Refill();
    }
    if (!CProtokollDlg::ExportAutomatically(m_services, this)) {
        return false;
    }
    if (m_shutDown || m_station.Meter().IsRunning()) {
        return true; // a new connection began while the description prompt was open: it keeps the window
    }
    m_connectionCaption->setTitle(Text(m_services.strings.Get(Str::kLastConnection)));
    RefreshConnectionText();
    if (m_services.settings.Read(Setting::kSichtbarBeiVerb) != 0) {
        HideToTray();
    }
    return true;
}

void CFernzahlDlg::ChargeAndRefresh() {
    CZaehlwerk& meter = m_station.Meter();
    if (m_station.ChargeDueUnits() > 0) {
        CheckBudget();
    }
    ReportCheckpointFailure();
    SetTooltip(meter.GetShortText());
    if (isMinimized()) {
        setWindowTitle(m_tooltip);
    }
    RefreshCounterDisplay();
    RefreshConnectionText();
    if (meter.CheckSignals()) {
        StartFlashing();
    }
}

// Told once until a checkpoint is written again; shown after the beat, which goes on meanwhile.
void CFernzahlDlg::ReportCheckpointFailure() {
    const bool failed = m_station.HasCheckpointFailed();
    if (failed && !m_checkpointFailureTold) {
        QTimer::singleShot(0, this, [this] {
            CMessageBox::Show(this,
                              Text(m_services.strings.Format(Str::kCheckpointNotWritten, {m_checkpoint.GetPath()})),
                              CMessageBox::Buttons::Ok, CMessageBox::Icon::Warning);
        });
    }
    m_checkpointFailureTold = failed;
}

void CFernzahlDlg::StartFlashing() {
    m_flashCount = 0;
    Flash();
    m_flash.start(kHeartbeatMs);
}

// Ten flashes at 500 ms: the window asks the desktop for attention at every other beat, and the tray
// icon, all that is seen of a hidden window, blinks alike; then it shows the meter's state again.
void CFernzahlDlg::Flash() {
    const bool lit = m_flashCount % 2 == 0;
    if (lit) {
        QApplication::alert(this, kHeartbeatMs);
    }
    const bool done = ++m_flashCount > kFlashes;
    if (done) {
        m_flash.stop();
    }
    if (m_tray != nullptr) {
        const bool metering = m_station.Meter().IsRunning();
        const bool other = lit && !done; // the other state's icon for a beat
        m_tray->setIcon(CUiResources::Icon(metering != other ? Icon::kMetering : Icon::kIdle));
    }
}

void CFernzahlDlg::CheckBudget() {
    const CBudget budget = CBudget::Read(
        m_services.settings, m_station.GetCounter(CMeterStation::kMonthly).GetStateAtEnd(), m_services.clock.Now());
    m_budgetText = budget.IsSet() ? budget.FormatRemaining(m_services.strings) : std::string();
    if (const uint32_t due = budget.TakeWarnings(m_services.settings); due != 0) {
        Warn(Str::kBudgetTitle, Text(budget.FormatWarning(due, m_services.strings)));
    }
}

// Without a tray the window asks for attention and tells it once the beat is over.
void CFernzahlDlg::Warn(unsigned titleId, const QString& text) {
    if (m_tray != nullptr) {
        m_tray->showMessage(Text(m_services.strings.Get(titleId)), text, QSystemTrayIcon::Warning);
        return;
    }
    QApplication::alert(this);
    QTimer::singleShot(
        0, this, [this, text] { CMessageBox::Show(this, text, CMessageBox::Buttons::Ok, CMessageBox::Icon::Warning); });
}

void CFernzahlDlg::RefreshCounterDisplay() {
    const int before = m_counterChoice;
    for (int i = 0; i < 4; ++i) {
        if (m_choices[i]->isChecked()) {
            m_counterChoice = i;
        }
    }
    const int choice = std::max(m_counterChoice, 0);
    m_counterCaption->setTitle(Text(m_services.strings.Get(Str::kFirstCounterCaption + choice)));
    std::string totals = m_station.GetCounter(CMeterStation::Counter(choice)).FormatTotals();
    if (choice == CMeterStation::kMonthly && !m_budgetText.empty()) {
        totals += "\n" + m_budgetText;
    }
    m_counterText->setText(Text(totals));
    // Only a new choice is stored: this runs at every beat while a connection is metered.
    if (choice != before) {
        m_services.settings.Write(Setting::kZaehlerAnzeige, static_cast<uint32_t>(choice));
    }
}

void CFernzahlDlg::AddNothingWatchedLine() {
    m_nothingWatched = new QWidget(this);
    auto* line = new QHBoxLayout(m_nothingWatched);
    line->setContentsMargins(12, 12, 12, 0);
    auto* text = new QLabel(Text(m_services.strings.Get(Str::kNothingWatched)), m_nothingWatched);
    text->setWordWrap(true);
    auto* open = new QPushButton(Text(m_services.strings.Get(Str::kOpenOptions)), m_nothingWatched);
    connect(open, &QPushButton::clicked, this, [this] { OnCommand(kOptions); });
    line->addWidget(text, 1);
    line->addWidget(open);
    static_cast<QBoxLayout*>(layout())->insertWidget(0, m_nothingWatched);
    RefreshNothingWatchedLine();
}

void CFernzahlDlg::RefreshNothingWatchedLine() {
    m_nothingWatched->setVisible(!CVerbindungsWaechter::IsAnySourceSwitchedOn(m_services.settings));
}

void CFernzahlDlg::RefreshConnectionText() {
    m_connectionText->setText(Text(m_station.Meter().GetConnectionText()));
}

void CFernzahlDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        // Minimized, the caption carries the running counter; restored, the program's name.
        setWindowTitle(isMinimized() ? m_tooltip : QApplication::applicationDisplayName());
    }
    QDialog::changeEvent(event);
}

void CFernzahlDlg::reject() {
    OnCommand(kHide);
}

void CFernzahlDlg::ShowFromTray() {
    m_visible = true;
    showNormal();
    raise();
    activateWindow();
    BringOpenWindowUp();
}

bool CFernzahlDlg::BringOpenWindowUp() {
    QWidget* open = QApplication::activeModalWidget();
    if (open == nullptr) {
        return false;
    }
    if (open->isMinimized()) {
        open->showNormal();
    }
    open->raise();
    open->activateWindow();
    return true;
}

// Without a tray the window is never taken away from the user: it is only minimized.
void CFernzahlDlg::HideToTray() {
    m_visible = false;
    if (HasTray()) {
        hide();
    } else {
        showMinimized();
    }
}

void CFernzahlDlg::SetAlwaysOnTop(bool onTop) {
    m_alwaysOnTop = onTop;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown) {
        show(); // changing the flags hides a window
    }
}

void CFernzahlDlg::UpdateMenuState() {
    QList<QAction*> actions = m_trayMenu ? m_trayMenu->actions() : QList<QAction*>{};
    for (QAction* menu : m_menuBar->actions()) {
        actions += menu->menu()->actions();
    }
    for (QAction* action : actions) {
        const unsigned command = action->data().toUInt();
        if (command == 0) {
            continue; // a separator
        }
        action->setEnabled(IsCommandEnabled(command));
        if (command == kAlwaysOnTop) {
            action->setCheckable(true);
            action->setChecked(m_alwaysOnTop);
        }
    }
}

bool CFernzahlDlg::IsCommandEnabled(unsigned command) const {
    const auto handler = m_commands.find(command);
    return handler != m_commands.end() && (!handler->second.enabled || handler->second.enabled());
}

// The assignment is pointless while the default tariff is the only one.
bool CFernzahlDlg::HasSeveralTariffFiles() const {
    return CTariffFiles::List(m_services.settings.GetProgramDirectory()).size() >= 2;
}

void CFernzahlDlg::ResetCounter(CMeterStation::Counter counter) {
    if (CMessageBox::Show(this, Text(m_services.strings.Get(Str::kResetCounterQuestion)), CMessageBox::Buttons::YesNo,
                          CMessageBox::Icon::Question) != QMessageBox::Yes) {
        return;
    }
    m_station.ResetCounter(counter);
    CheckBudget();
    RefreshCounterDisplay();
}

void CFernzahlDlg::AddCommands() {
    const auto always = std::function<bool()>();
    constexpr bool kNoWindow = false;
    m_commands = {
        // Exit asks whatever window is open.
        {kExit, {[this] { ConfirmExit(); }, always, kNoWindow}},
        {kHide, {[this] { HideToTray(); }, always, kNoWindow}},
        {kShow, {[this] { ShowFromTray(); }, always, kNoWindow}},
        {kResetDaily, {[this] { ResetCounter(CMeterStation::kDaily); }, always}},
        {kResetWeekly, {[this] { ResetCounter(CMeterStation::kWeekly); }, always}},
        {kResetMonthly, {[this] { ResetCounter(CMeterStation::kMonthly); }, always}},
        {kResetTotal, {[this] { ResetCounter(CMeterStation::kTotal); }, always}},
        {kAlwaysOnTop,
         {[this] {
              SetAlwaysOnTop(!m_alwaysOnTop);
              m_services.settings.Write(Setting::kImmerSichtbar, m_alwaysOnTop);
              UpdateMenuState();
          },
          always, kNoWindow}},
        {kOptions, {[this] { RunOptions(); }, always}},
        {kLog, {[this] { RunLogView(); }, always}},
        {kTariffEditor, {[this] { EditTariffs(m_services, m_station.Tariff(), this); }, always}},
        {kTariffOptions, {[this] { EditTariffOptions(m_services, m_station.Tariff(), this); }, always}},
        {kAssignment, {[this] { RunAssignment(); }, [this] { return HasSeveralTariffFiles(); }}},
        {kAbout, {[this] { CAboutDlg(m_services.strings, this).Run(); }, always}},
        {kHelp, {[] { CHelp::Open(QString::fromLatin1(CHelp::kIndex)); }, always, kNoWindow}},
    };
}

// Tray menu, shortcuts and menu bar alike: a second window for a task never opens over the first.
void CFernzahlDlg::OnCommand(unsigned command) {
    if (!IsCommandEnabled(command)) {
        return;
    }
    const CommandHandler& handler = m_commands.at(command);
    if (!handler.opensWindow || !BringOpenWindowUp()) {
        handler.run();
    }
}

void CFernzahlDlg::ConfirmExit() {
    if (m_askingExit) {
        BringOpenWindowUp();
        return;
    }
    m_askingExit = true;
    const bool yes = CMessageBox::Show(this, Text(m_services.strings.Get(Str::kExitQuestion)),
                                       CMessageBox::Buttons::YesNo, CMessageBox::Icon::Question) == QMessageBox::Yes;
    m_askingExit = false;
    if (yes) {
        EndProgram(true);
    }
}

// Whatever the user chose, the running parts take up the settings as they are now.
void CFernzahlDlg::RunOptions() {
    COptionenSheet sheet(m_services, m_watcher.IsDialUpAvailable(), m_modem.ListDevices(), this);
    RunModal(sheet);
    m_station.Tariff().Invalidate();
    m_station.Meter().ReadSettings();
    m_watcher.ReadSettings();
    RefreshNothingWatchedLine();
    UpdateMenuState();
    CheckBudget();
    RefreshCounterDisplay();
}

// The program goes on metering while the log is open; the open log takes in each new connection.
void CFernzahlDlg::RunLogView() {
    if (!m_visible) {
        ShowFromTray();
    }
    CProtokollDlg view(m_services, this);
    m_logView = &view;
    view.Run();
}

void CFernzahlDlg::RunAssignment() {
    CZuordnungDlg dialog(m_services.settings, m_services.strings, m_phonebook, this);
    if (dialog.Run() == QDialog::Accepted) {
        m_station.Tariff().SetFileName(m_watcher.GetTariffFile());
        m_station.Tariff().Invalidate();
    }
}

void CFernzahlDlg::FollowSession(QGuiApplication& application) {
    connect(&application, &QGuiApplication::commitDataRequest, this, [this] { m_station.SaveState(); });
    connect(&application, &QCoreApplication::aboutToQuit, this, &CFernzahlDlg::Shutdown);
}

// A signal while the user describes the connection after Exit ends the question too.
void CFernzahlDlg::Shutdown() {
    m_prompt.Dismiss();
    EndProgram(false);
}

void CFernzahlDlg::EndProgram(bool userPresent) {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    m_heartbeat.stop();
    if (m_tray != nullptr) {
        m_tray->hide();
    }
    // At the session's end or on a signal nobody is asked anything: a connection without a name
    // keeps the default name. The user who chose Exit is there to describe it.
    m_prompt.Dismiss();
    if (m_station.Meter().IsRunning()) {
        LogConnection();
        if (userPresent && m_station.Meter().IsDescriptionDue() && !m_station.Meter().AskDescription()) {
            CMessageBox::ShowNotWritten(this, m_services.strings,
                                        m_services.settings.GetProgramDirectory() + CProtokollFile::kFileName);
        }
        CProtokollDlg::ExportAutomatically(m_services, this);
    }
    done(QDialog::Accepted);
}
