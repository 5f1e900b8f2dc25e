#include "app/FernzahlApp.h"

#include "app/FernzahlDlg.h"
#include "core/LanguageChoice.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "platform/CanberraSoundPlayer.h"
#include "platform/ConnectionSources.h"
#include "platform/ExampleTariff.h"
#include "platform/IniSettingsStore.h"
#include "platform/InstalledFiles.h"
#include "platform/MeterBusService.h"
#include "platform/SystemClock.h"
#include "platform/TerminationSignals.h"
#include "platform/UserName.h"
#include "splash/SplashDlg.h"
#include "tariffs/DefaultTariff.h"
#include "ui/MessageBox.h"
#include "ui/UiLanguage.h"

#include <QCommandLineParser>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>

CFernzahlApp::CFernzahlApp(int& argc, char** argv) : QApplication(argc, argv), m_arguments(argv, argv + argc) {
    setApplicationName(QStringLiteral("fernzahl"));
    setApplicationVersion(QStringLiteral(FERNZAHL_VERSION));
}

CFernzahlApp::~CFernzahlApp() = default;

namespace {
// The options, described in the language of the texts; in English where the library is missing.
QCommandLineOption AddOptions(QCommandLineParser& parser, const CStringTable& strings) {
    const auto text = [&strings](unsigned id, const char* english) {
        const std::string translated = strings.Get(id);
        return translated.empty() ? QString::fromLatin1(english) : QString::fromStdString(translated);
    };
    parser.setApplicationDescription(
        text(Str::kProgramDescription, "Meters the telephone charges of dial-up connections."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     text(Str::kDataDirOption, "Keep data files and settings in <dir>."),
                                     text(Str::kDataDirValue, "dir"));
    parser.addOption(dataDir);
    return dataDir;
}
} // namespace

std::optional<int> CFernzahlApp::AnswerWithoutWindow(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    const auto asks = [&arguments](std::initializer_list<const char*> options) {
        const auto end = std::find(arguments.begin() + 1, arguments.end(), "--");
        return std::find_first_of(arguments.begin() + 1, end, options.begin(), options.end()) != end;
    };
    if (!asks({"--help", "-h", "-?", "--help-all", "--version", "-v"})) {
        return std::nullopt;
    }
    QCoreApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("fernzahl"));
    application.setApplicationVersion(QStringLiteral(FERNZAHL_VERSION));
    QCommandLineParser parser;
    AddOptions(parser, CStringTable());
    // An option of the window system's (-platform, -display) beside them: the window's start reads it.
    if (!parser.parse(application.arguments())) {
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.process(application); // tells the version and ends
    }
    std::setlocale(LC_ALL, "");
    const DataPaths paths = DataPaths::Resolve(DataDirectoryArgument(arguments));
    CResourceLibrary resources;
    if (resources.Load() && paths.problem.empty()) {
        CIniSettingsStore settings(paths.settingsFile, paths.dataDirectory);
        resources.UseLanguage(ChooseLanguage(settings.Read(Setting::kSprache), CResourceLibrary::SystemUiLanguages()));
    }
    QCommandLineParser translated;
    AddOptions(translated, resources.Strings());
    translated.process(application); // shows the help and ends
    return 0;
}

int CFernzahlApp::Run() {
    QCommandLineParser parser;
    AddOptions(parser, CStringTable());
    // Here only beside an option of the window system's, which the window's start has taken away.
    if (!parser.parse(arguments()) || parser.isSet(QStringLiteral("version")) || parser.isSet(QStringLiteral("help"))) {
        parser.process(*this); // tells what it could not read, the version or the help, and ends
    }
    // The program takes no file or other word: a mistyped option must not start a meter unnoticed.
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "fernzahl: unknown argument '%s'\n%s", qPrintable(parser.positionalArguments().first()),
                     qPrintable(parser.helpText()));
        return 1;
    }

    // Dates, times and amounts follow the user's locale from here on.
    std::setlocale(LC_ALL, "");
    // A termination signal during start-up ends the program once start-up is through; later, it
    // ends a running connection cleanly first.
    CTerminationSignals termination;
    connect(&termination, &CTerminationSignals::TerminationRequested, this, [this] { m_terminationRequested = true; });
    m_paths = DataPaths::Resolve(DataDirectoryArgument(m_arguments));
    if (!m_resources.Load()) {
        CMessageBox::Show(nullptr, QString::fromLatin1(CResourceLibrary::kNotFoundMessage), CMessageBox::Buttons::Ok,
                          CMessageBox::Icon::Stop);
        return 1;
    }
    // Only now, since it makes the data folder: without the library nothing is touched.
    const std::optional<std::string> problem =
        m_paths.problem.empty() ? DataPaths::MakeDataDirectory(m_paths.dataDirectory) : std::optional(m_paths.problem);
    if (problem) {
        const std::string folder = m_paths.problem.empty() ? m_paths.dataDirectory : "~/.local/share/fernzahl/";
        CMessageBox::Show(
            nullptr, QString::fromStdString(m_resources.Strings().Format(Str::kDataFolderUnusable, {folder, *problem})),
            CMessageBox::Buttons::Ok, CMessageBox::Icon::Stop);
        return 1;
    }
    if (m_instance.Acquire(m_paths.dataDirectory) == CSingleInstance::Result::HeldByAnother) {
        return AskHolderToShow();
    }
    m_settings = std::make_unique<CIniSettingsStore>(m_paths.settingsFile, m_paths.dataDirectory);
    CUiLanguage::Apply(m_resources, m_settings->Read(Setting::kSprache));
    setApplicationDisplayName(QString::fromStdString(m_resources.Strings().Get(Str::kApplicationTitle)));
    SetAsideDamagedSettings();
    ReportUnreadableSettings();
    if (m_settings->Read(Setting::kSplashScreen) != 0) {
        CSplashDlg(m_resources.Strings()).exec();
    }
    InstallDeliveredDefaultTariff();
    InstallExampleTariff();
    if (!m_terminationRequested) {
        RunMainWindow(termination);
    }
    return 0;
}

// The folder as its bytes: the parser's text has lost what is not text in the locale's encoding.
// The parser has checked the command line; the last --data-dir counts, as there.
std::string CFernzahlApp::DataDirectoryArgument(const std::vector<std::string>& arguments) {
    std::string folder;
    for (size_t i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        if (arguments[i] == "--data-dir" && i + 1 < arguments.size()) {
            folder = arguments[++i];
        } else if (arguments[i].starts_with("--data-dir=")) {
            folder = arguments[i].substr(std::strlen("--data-dir="));
        }
    }
    return folder;
}

void CFernzahlApp::RunMainWindow(CTerminationSignals& termination) {
    const std::unique_ptr<CConnectionSources> sources = CConnectionSources::FromEnvironment();
    CSystemClock clock;
    CCanberraSoundPlayer sound;
    const Services services{clock, *m_settings, m_resources.Strings(), sound, GetLoginName()};
    sources->AwaitLinksFor(m_settings->GetProgramDirectory());
    CFernzahlDlg window(services, sources->DialUp(), sources->DialUp(), sources->ModemLine());
    m_accelerators.SetMainWindow([&window](unsigned command) { window.OnCommand(command); });
    installEventFilter(&m_accelerators);
    // Logging off, shutting down and termination signals end a running connection cleanly.
    connect(&termination, &CTerminationSignals::TerminationRequested, &window, &CFernzahlDlg::Shutdown);
    connect(&termination, &CTerminationSignals::ShowRequested, &window, [&window] { window.Activate({}); });
    window.FollowSession(*this);
    for (const std::function<void()>& tell : m_startMessages) {
        QTimer::singleShot(0, &window, tell); // from the event loop, where the heartbeat goes on
    }
    // Not a modal run of its own: hiding a modal dialog ends its loop, and this window hides into
    // the tray. The program ends when the window is done (Exit, shutdown, a termination signal).
    setQuitOnLastWindowClosed(false);
    connect(&window, &QDialog::finished, this, &QCoreApplication::quit);
    window.show();
    exec();
    removeEventFilter(&m_accelerators);
}

// Through the session bus, with this start's activation token, so that Wayland lets the window come
// up; without a bus, by a signal. A holder that cannot be asked is named, with what to do: a second
// start never ends as if it had worked.
int CFernzahlApp::AskHolderToShow() {
    if (CMeterBusService::ActivateRunning(m_paths.dataDirectory, CMeterBusService::StartToken()) ||
        m_instance.AskHolderToShow()) {
        return 0;
    }
    CMessageBox::Show(nullptr, QString::fromStdString(DescribeHolder()), CMessageBox::Buttons::Ok,
                      CMessageBox::Icon::Information);
    return 1;
}

std::string CFernzahlApp::DescribeHolder() const {
    using Kind = CSingleInstance::Holder::Kind;
    const CStringTable& strings = m_resources.Strings();
    const std::optional<CSingleInstance::Holder> holder = m_instance.FindHolder();
    if (!holder) {
        return strings.Format(Str::kFolderHeldByUnknown, {m_paths.dataDirectory, m_instance.HeldPath()});
    }
    const std::string& program = holder->program;
    const std::string pid = std::to_string(holder->pid);
    switch (holder->kind) {
    case Kind::HeadlessMeter:
        return strings.Format(Str::kMeteringInBackground, {program, pid});
    case Kind::Simulation:
        return strings.Format(Str::kSimulationHoldsFolder, {program, pid});
    case Kind::ReplacedProgram:
        return strings.Format(Str::kReplacedProgramHoldsFolder, {program, pid});
    case Kind::ThisProgram:
    case Kind::OtherCopy:
        return strings.Format(Str::kOtherCopyHoldsFolder, {program, pid});
    case Kind::OtherProgram:
        break;
    }
    return strings.Format(Str::kFolderHeldByProgram, {m_paths.dataDirectory, program, pid, m_instance.HeldPath()});
}

// A damaged settings file gives the defaults; it is kept aside, so that no save replaces it.
void CFernzahlApp::SetAsideDamagedSettings() {
    const std::optional<int> line = m_settings->FindDamage();
    if (!line) {
        return;
    }
    const std::string file = m_settings->GetFilePath();
    const std::string keptAs = m_settings->SetAsideIfDamaged().value_or(file);
    TellWhenMetering(m_resources.Strings().Format(Str::kSettingsDamaged,
                                                  {file, std::to_string(*line), keptAs.empty() ? file : keptAs}),
                     CMessageBox::Icon::Warning);
}

// A settings file that cannot be read (a folder or a pipe in its place, no permission) gives the
// defaults and takes no save until it can be read: said at the start, not at the first save.
void CFernzahlApp::ReportUnreadableSettings() {
    const std::optional<int> error = m_settings->FindReadError();
    if (!error) {
        return;
    }
    const CStringTable& strings = m_resources.Strings();
    const std::string reason =
        *error == EINVAL  ? strings.Get(Str::kNotARegularFile)
        : *error == EFBIG ? strings.Format(Str::kSettingsFileTooLarge, {std::to_string(CIniDocument::kMaxTextBytes)})
                          : std::strerror(*error);
    TellWhenMetering(strings.Format(Str::kSettingsUnreadable, {m_settings->GetFilePath(), reason}),
                     CMessageBox::Icon::Warning);
}

void CFernzahlApp::TellWhenMetering(const std::string& text, CMessageBox::Icon icon) {
    m_startMessages.push_back([text = QString::fromStdString(text), icon] {
        CMessageBox::Show(nullptr, text, CMessageBox::Buttons::Ok, icon);
    });
}

void CFernzahlApp::InstallDeliveredDefaultTariff() {
    switch (::InstallDeliveredDefaultTariff(m_settings->GetProgramDirectory())) {
    case DefaultTariffInstall::Installed:
        TellWhenMetering(m_resources.Strings().Get(Str::kDefaultTariffInstalled));
        break;
    case DefaultTariffInstall::Failed:
        TellWhenMetering(m_resources.Strings().Get(Str::kDefaultTariffNotInstalled));
        break;
    case DefaultTariffInstall::NoneDelivered:
        break;
    }
}

// After a delivered default tariff, which wins; the example only fills a data directory without one.
void CFernzahlApp::InstallExampleTariff() {
    const std::string directory = m_settings->GetProgramDirectory();
    if (::InstallExampleTariff(directory, CInstalledFiles::Find(kExampleTariffName)) == ExampleTariffInstall::Failed) {
        TellWhenMetering(m_resources.Strings().Format(Str::kExampleTariffNotInstalled, {directory}),
                         CMessageBox::Icon::Warning);
    }
}
