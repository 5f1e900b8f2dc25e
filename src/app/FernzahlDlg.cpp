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

#include <QAccessible>
#include <QAccessibleWidget>
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

// The main window is the program's window, not a dialog, for a screen reader as for the window
// manager.
QAccessibleInterface* MainWindowAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && className == QLatin1String("CFernzahlDlg")
               ? new QAccessibleWidget(widget, QAccessible::Window)
               : nullptr;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CFernzahlDlg::CFernzahlDlg(const Services& services, DialUpSource& dialUp, Phonebook& phonebook, ModemLine& modem,
                           QWidget* parent)
    : QDialog(parent), m_services(services), m_phonebook(phonebook), m_modem(modem),
      m_checkpoint(services.settings.GetProgramDirectory()), m_loop(services, dialUp, modem, &m_checkpoint),
      m_prompt(services.settings, services.strings, this),
      m_notifications(QApplication::applicationDisplayName(), QStringLiteral("org.fernzahl.Fernzahl")),
      m_bus(m_loop, services.settings.GetProgramDirectory(), true) {
    static const bool accessibleAsWindow = (QAccessible::installFactory(MainWindowAccessible), true);
    Q_UNUSED(accessibleAsWindow);
    // A main window, not a dialog: window managers let it be minimized, and it has no help button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const QWidget* form = CFormLoader::LoadInto(this, Form::kMain);
    m_counterCaption = CFormLoader::Find<QGroupBox>(form, Form::kMain, Control::kCounterCaption);
    // Its title is the chosen period, as is the button that has the focus: a screen reader would say it twice.
    m_counterCaption->setAccessibleName(Text(services.strings.Get(Str::kCountersGroup)));
    m_connectionCaption = CFormLoader::Find<QGroupBox>(form, Form::kMain, Control::kConnectionCaption);
    m_connectionText = CFormLoader::Find<QLabel>(form, Form::kMain, Control::kConnectionText);
    // A stop of its own, so that the running connection can be read at any time.
    m_counterText = CFormLoader::Find<QLabel>(form, Form::kMain, Control::kCounterText);
    for (int i = 0; i < 4; ++i) {
        m_choices[i] = CFormLoader::Find<QRadioButton>(form, Form::kMain, Control::kFirstCounterChoice + i);
        m_choices[i]->installEventFilter(this);
        // Toggled, not clicked: the arrow keys and a screen reader's action switch the counter too.
        connect(m_choices[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                RefreshCounterDisplay();
            }
        });
    }
    // A stop of its own after the counters, so that the running connection can be read at any time.
    m_connectionText->setFocusPolicy(Qt::TabFocus);
    // Seen to have the focus too, by a frame that takes its room always, so that nothing moves.
    m_connectionText->setStyleSheet(
        QStringLiteral("QLabel { border: 1px solid transparent; } QLabel:focus { border-color: palette(highlight); }"));
    m_connectionText->installEventFilter(this);
    setTabOrder(m_choices[3], m_connectionText);
    AddNothingWatchedLine();
    m_loop.Station().Meter().SetDescriptionPrompt(&m_prompt);
    m_loop.AddObserver(*this);
    m_loop.AddObserver(m_bus);
    m_loop.SetDescriptionAsker([this] { AskDescriptionLater(); });
    connect(&m_bus, &CMeterBusService::ActivateRequested, this, &CFernzahlDlg::Activate);
    ArmCrashPoint(m_loop.Station());
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
    SetTooltip(m_loop.Station().Meter().GetShortText());
    m_visible = false;
    m_loop.ReportStart();
    m_heartbeat.start(kHeartbeatMs);
    SetAlwaysOnTop(settings.Read(Setting::kImmerSichtbar) != 0);
    UpdateMenuState();
    m_counterChoice = static_cast<int>(settings.Read(Setting::kZaehlerAnzeige)) & 3;
    m_choices[m_counterChoice]->setChecked(true);
    // The window opens on the counters, the first stop, whatever the form's order of creation.
    m_choices[m_counterChoice]->setFocus();
    m_connectionCaption->setTitle(Text(m_services.strings.Get(Str::kLastConnection)));
    RefreshConnectionText();
    RefreshCounterDisplay();
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
    m_loop.Beat();
}

void CFernzahlDlg::OnConnectionStarted() {
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

void CFernzahlDlg::OnMetering(int /*unitsCharged*/) {
    SetTooltip(m_loop.Station().Meter().GetShortText());
    if (isMinimized()) {
        setWindowTitle(m_tooltip);
    }
    RefreshCounterDisplay();
    RefreshConnectionText();
}

void CFernzahlDlg::OnAlarm() {
    StartFlashing();
}

void CFernzahlDlg::OnConnectionEnded(const LogEntry& /*ended*/) {
    if (m_tray != nullptr) {
        m_tray->setIcon(CUiResources::Icon(Icon::kIdle));
    }
    // The final counter of the run stays in the tooltip until the next connection.
    SetTooltip(m_loop.Station().Meter().GetLastCounterText());
    if (isMinimized()) {
        setWindowTitle(m_tooltip);
    }
    RefreshCounterDisplay();
    if (!m_loop.Station().Meter().IsDescriptionDue()) {
        ShowEndedConnection();
    }
}

// Asked once this beat is over: a timer never fires inside its own handler, and the heartbeat must
// go on (and meter a new connection) while the prompt is open.
void CFernzahlDlg::AskDescriptionLater() {
    QTimer::singleShot(0, this, [this] {
        m_loop.CompleteEnd(!m_shutDown);
        ShowEndedConnection();
    });
}

void CFernzahlDlg::ShowEndedConnection() {
    if (m_shutDown || m_loop.Station().Meter().IsRunning()) {
        return; // a new connection began while the description prompt was open: it keeps the window
    }
    m_connectionCaption->setTitle(Text(m_services.strings.Get(Str::kLastConnection)));
    RefreshConnectionText();
    if (m_services.settings.Read(Setting::kSichtbarBeiVerb) != 0) {
        HideToTray();
    }
}

void CFernzahlDlg::OnCountersChanged() {
    RefreshCounterDisplay();
}

void CFernzahlDlg::OnLogChanged() {
    if (m_logView != nullptr) {
        m_logView->Refill();
    }
}

// The desktop's notification service first; without one, as a tray's balloon or a message box.
void CFernzahlDlg::OnNotice(const MeterNotice& notice) {
    m_notifications.Show(notice, [this](const MeterNotice& untold) { TellWithoutNotifications(untold); });
}

void CFernzahlDlg::TellWithoutNotifications(const MeterNotice& notice) {
    switch (notice.kind) {
    case MeterNotice::Kind::ConnectionStarted:
    case MeterNotice::Kind::ConnectionEnded:
        if (m_tray != nullptr) {
            m_tray->showMessage(Text(notice.title), Text(notice.text), QSystemTrayIcon::Information);
        }
        return;
    case MeterNotice::Kind::Recovery:
        // From the event loop, where the heartbeat goes on: a box open before would hold up the meter.
        QTimer::singleShot(0, this, [this, text = Text(notice.text), warning = notice.warning] {
            CMessageBox::Show(this, text, CMessageBox::Buttons::Ok,
                              warning ? CMessageBox::Icon::Warning : CMessageBox::Icon::Information);
        });
        return;
    default:
        Warn(notice);
    }
}

// Shown after the beat, which goes on meanwhile; at the program's end, at once.
void CFernzahlDlg::OnFileProblem(const std::string& text) {
    const auto show = [this, text = Text(text)] {
        CMessageBox::Show(this, text, CMessageBox::Buttons::Ok, CMessageBox::Icon::Stop);
    };
    if (m_shutDown) {
        show();
    } else {
        QTimer::singleShot(0, this, show);
    }
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
        const bool metering = m_loop.Station().Meter().IsRunning();
        const bool other = lit && !done; // the other state's icon for a beat
        m_tray->setIcon(CUiResources::Icon(metering != other ? Icon::kMetering : Icon::kIdle));
    }
}

// Without a tray the window asks for attention and tells it once the beat is over.
void CFernzahlDlg::Warn(const MeterNotice& notice) {
    if (m_tray != nullptr) {
        m_tray->showMessage(Text(notice.title), Text(notice.text), QSystemTrayIcon::Warning);
        return;
    }
    QApplication::alert(this);
    QTimer::singleShot(0, this, [this, text = Text(notice.text)] {
        CMessageBox::Show(this, text, CMessageBox::Buttons::Ok, CMessageBox::Icon::Warning);
    });
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
    m_counterText->setText(CounterText(choice));
    // Only a new choice is stored: this runs at every beat while a connection is metered.
    if (choice != before) {
        m_services.settings.Write(Setting::kZaehlerAnzeige, static_cast<uint32_t>(choice));
    }
}

QString CFernzahlDlg::CounterText(int period) const {
    std::string totals = m_loop.Station().GetCounter(CMeterStation::Counter(period)).FormatTotals();
    if (period == CMeterStation::kMonthly && !m_loop.BudgetText().empty()) {
        totals += "\n" + m_loop.BudgetText();
    }
    return Text(totals);
}

// A period's button carries its figures in its accessible name while it has the focus, and the
// connection's text its caption: the name is set before the focus is announced, so a screen reader
// says the figures with the period. (Qt sends a changed description without its text, so a
// description could not be read out.) Not at every beat: a name that changes each second would be
// read out each second.
bool CFernzahlDlg::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn;
    if (in || event->type() == QEvent::FocusOut) {
        if (watched == m_connectionText) {
            m_connectionText->setAccessibleName(in ? SpokenText(m_connectionCaption->title(), m_connectionText->text())
                                                   : QString());
        }
        for (int i = 0; i < 4; ++i) {
            if (watched == m_choices[i]) {
                m_choices[i]->setAccessibleName(in ? SpokenText(m_choices[i]->text(), CounterText(i)) : QString());
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString CFernzahlDlg::SpokenText(QString caption, QString text) {
    return caption.remove(QLatin1Char('&')) + QStringLiteral(": ") +
           text.replace(QLatin1Char('\n'), QStringLiteral(", "));
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
    m_connectionText->setText(Text(m_loop.Station().Meter().GetConnectionText()));
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

void CFernzahlDlg::Activate(const QString& token) {
    ShowFromTray(token);
}

void CFernzahlDlg::ShowFromTray(const QString& token) {
    m_visible = true;
    // Wayland lets no program restore its own minimized window, nor tells it that it is minimized;
    // shown anew, it comes back.
    if (isVisible() && !isActiveWindow() && QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
        hide();
    }
    if (!token.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8()); // the platform takes it for the activation
    }
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
    if (CMessageBox::Show(this, Text(m_services.strings.Get(Str::kResetCounterQuestion)),
                          CMessageBox::Buttons::YesNoDestroys, CMessageBox::Icon::Question) != QMessageBox::Yes) {
        return;
    }
    m_loop.ResetCounter(counter);
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
        {kTariffEditor, {[this] { EditTariffs(m_services, m_loop.Station().Tariff(), this); }, always}},
        {kTariffOptions, {[this] { EditTariffOptions(m_services, m_loop.Station().Tariff(), this); }, always}},
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
    COptionenSheet sheet(m_services, m_loop.Watcher().IsDialUpAvailable(), m_modem.ListDevices(), this);
    RunModal(sheet);
    m_loop.ReadSettings();
    RefreshNothingWatchedLine();
    UpdateMenuState();
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
        m_loop.Station().Tariff().SetFileName(m_loop.Watcher().GetTariffFile());
        m_loop.Station().Tariff().Invalidate();
    }
}

void CFernzahlDlg::FollowSession(QGuiApplication& application) {
    connect(&application, &QGuiApplication::commitDataRequest, this, [this] { m_loop.Station().SaveState(); });
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
    m_loop.EndProgram(userPresent);
    m_notifications.Flush();
    done(QDialog::Accepted);
}
