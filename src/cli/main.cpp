#include "cli/BudgetCommand.h"
#include "cli/CliArguments.h"
#include "cli/CommandUsage.h"
#include "cli/CompareCommands.h"
#include "cli/CountersCommand.h"
#include "cli/LogCommand.h"
#include "cli/RunCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/SimulationCommands.h"
#include "cli/StatusCommand.h"
#include "cli/SummaryCommand.h"
#include "cli/TariffCommand.h"
#include "cli/WatchCommand.h"
#include "core/LanguageChoice.h"
#include "platform/DataPaths.h"
#include "platform/IniSettingsStore.h"
#include "platform/ResourceLibrary.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

namespace {

// Output that did not reach its file (a full disk, /dev/full, a closed pipe) is a failure, whatever
// the command made of it.
int Finished(int code) {
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.flush();
    if (written) {
        return code;
    }
    std::cerr << "fernzahl-cli: the output could not be written: " << std::strerror(errno) << '\n';
    return code == 0 ? 1 : code;
}

int RunCommand(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const CCliArguments args = CCliArguments::Parse(argc, argv);
    if (!args.GetError().empty()) {
        std::cerr << "fernzahl-cli: " << args.GetError() << '\n';
        return 2;
    }
    const std::vector<std::string>& words = args.GetWords();
    if (args.WantsHelp() && words.empty()) {
        std::cout << ProgramUsage();
        return 0;
    }
    if (args.WantsVersion()) {
        std::cout << "fernzahl-cli " << FERNZAHL_VERSION << '\n';
        return 0;
    }
    if (words.empty()) {
        std::cerr << ProgramUsage();
        return 2;
    }
    if (CommandUsage(words[0]).empty()) {
        std::cerr << "fernzahl-cli: unknown command '" << words[0] << "'\n" << ProgramUsage();
        return 2;
    }
    if (args.WantsHelp()) {
        std::cout << "Usage:\n" << CommandUsage(words[0]);
        return 0;
    }
    const DataPaths paths = DataPaths::Resolve(args.GetDataDirectory());
    if (!paths.problem.empty()) {
        std::cerr << "fernzahl-cli: no data folder: " << paths.problem
                  << "; set HOME, or name the folder with --data-dir or FERNZAHL_HOME\n";
        return 1;
    }
    CIniSettingsStore store(paths.settingsFile, paths.dataDirectory);
    if (const std::optional<int> line = store.FindDamage()) {
        std::cerr << "fernzahl-cli: the settings file " << store.GetFilePath() << " is damaged (line " << *line
                  << " cannot be read); the defaults apply, and a save first keeps it aside as " << store.GetFilePath()
                  << ".damaged (or, where that name is taken, a numbered one beside it)\n";
    }
    if (const std::optional<int> error = store.FindReadError()) {
        std::cerr << "fernzahl-cli: the settings file " << store.GetFilePath() << " cannot be read ("
                  << (*error == EINVAL  ? "not a regular file"
                      : *error == EFBIG ? "larger than the limit of a settings file, " +
                                              std::to_string(CIniDocument::kMaxTextBytes) + " bytes"
                                        : std::strerror(*error))
                  << "); the defaults apply, and no setting can be saved until it can be read\n";
    }
    std::unique_ptr<CResourceLibrary> library;
    std::optional<CStringTable> windowStrings;
    const auto loaded = [&] {
        if (!library) {
            library = std::make_unique<CResourceLibrary>();
            library->Load();
        }
        return !library->GetPath().empty();
    };
    const CliContext context{store,
                             paths.dataDirectory,
                             stdout,
                             std::cerr,
                             [&]() -> const CStringTable* { return loaded() ? &library->Strings() : nullptr; },
                             [&]() -> const CStringTable* {
                                 if (loaded() && !windowStrings) {
                                     windowStrings = CResourceLibrary::StringsOf(ChooseLanguage(
                                         store.Read(Setting::kSprache), CResourceLibrary::SystemUiLanguages()));
                                 }
                                 return windowStrings ? &*windowStrings : nullptr;
                             }};
    using Command = int (*)(const std::vector<std::string>&, const CliContext&);
    const std::map<std::string, Command> commands = {
        {"log", RunLogCommand},           {"tariff", RunTariffCommand},   {"counters", RunCountersCommand},
        {"rate", RunRateCommand},         {"watch", RunWatchCommand},     {"phonebook", RunPhonebookCommand},
        {"settings", RunSettingsCommand}, {"summary", RunSummaryCommand}, {"budget", RunBudgetCommand},
        {"rerate", RunRerateCommand},     {"compare", RunCompareCommand}, {"run", RunHeadlessMeter},
        {"status", RunStatusCommand}};
    if (words[0] == "meter") {
        return RunMeterCommand(std::vector<std::string>(words.begin() + 1, words.end()), context,
                               !args.GetDataDirectory().empty());
    }
    return commands.at(words[0])(std::vector<std::string>(words.begin() + 1, words.end()), context);
}

} // namespace

int main(int argc, char** argv) {
    return Finished(RunCommand(argc, argv));
}
