#include "cli/CliArguments.h"
#include "cli/CountersCommand.h"
#include "cli/LogCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/SimulationCommands.h"
#include "cli/TariffCommand.h"
#include "cli/WatchCommand.h"
#include "platform/DataPaths.h"
#include "platform/IniSettingsStore.h"
#include "platform/ResourceLibrary.h"

#include <clocale>
#include <iostream>
#include <map>
#include <memory>

namespace {

constexpr const char* kUsage = R"(Usage: fernzahl-cli [--data-dir DIR] COMMAND ...

Fernzahl from a terminal: the same data and settings as the desktop program.

Commands:
  log export [--output FILE] [--format text|csv|json]
                                         the whole log: the ";" text export of the desktop
                                         program (default), RFC 4180 CSV, or one JSON
                                         object per line
  log list                               the log as a table
  tariff dump FILE [--json]              options, discount, holidays and zones of a tariff
                                         file (a path, or a title such as Mobil)
  counters [--json]                      the daily, weekly, monthly and total counters and
                                         the discount counter
  rate --tariff FILE --at "YYYY-MM-DD HH:MM" [--discount-count K] [--json]
                                         the rate in force at that moment: day kind,
                                         zone, unit length, prices, discount
  meter --tariff FILE --start "YYYY-MM-DD HH:MM:SS" --seconds N
        [--discount-count K] [--trace] [--json]
                                         what a connection of N seconds costs, metered
                                         unit by unit; --trace lists every unit. Writes
                                         nothing unless --data-dir is given: then the
                                         connection is logged and counted there
  watch [--once]                         print a line for every connection that starts or
                                         ends (time, started/ended, source, name, device,
                                         start offset, tariff file, tariff name); --once
                                         prints the present state
  phonebook                              the dial-up entries (pppd peers, NetworkManager
                                         dial-up profiles)
  settings get SECTION NAME              print a setting (its default when not stored)
  settings set [--string] SECTION NAME VALUE
                                         store a setting; a whole number is stored as a
                                         number unless --string is given
  settings list                          print every setting

Options:
  --data-dir DIR   use DIR for data files and settings (default: $FERNZAHL_HOME,
                   else ~/.local/share/fernzahl with settings in ~/.config/fernzahl)
  --help           show this text
  --version        show the version
)";

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const CCliArguments args = CCliArguments::Parse(argc, argv);
    if (!args.GetError().empty()) {
        std::cerr << "fernzahl-cli: " << args.GetError() << '\n';
        return 2;
    }
    if (args.WantsHelp()) {
        std::cout << kUsage;
        return 0;
    }
    if (args.WantsVersion()) {
        std::cout << "fernzahl-cli " << FERNZAHL_VERSION << '\n';
        return 0;
    }
    const std::vector<std::string>& words = args.GetWords();
    if (words.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const DataPaths paths = DataPaths::Resolve(args.GetDataDirectory());
    CIniSettingsStore store(paths.settingsFile, paths.dataDirectory);
    std::unique_ptr<CResourceLibrary> library;
    const CliContext context{store, paths.dataDirectory, stdout, std::cerr, [&]() -> const CStringTable* {
                                 if (!library) {
                                     library = std::make_unique<CResourceLibrary>();
                                     library->Load();
                                 }
                                 return library->GetPath().empty() ? nullptr : &library->Strings();
                             }};
    using Command = int (*)(const std::vector<std::string>&, const CliContext&);
    const std::map<std::string, Command> commands = {
        {"log", RunLogCommand},          {"tariff", RunTariffCommand}, {"counters", RunCountersCommand},
        {"rate", RunRateCommand},        {"watch", RunWatchCommand},   {"phonebook", RunPhonebookCommand},
        {"settings", RunSettingsCommand}};
    if (words[0] == "meter") {
        return RunMeterCommand(std::vector<std::string>(words.begin() + 1, words.end()), context,
                               !args.GetDataDirectory().empty());
    }
    const auto command = commands.find(words[0]);
    if (command != commands.end()) {
        return command->second(std::vector<std::string>(words.begin() + 1, words.end()), context);
    }
    std::cerr << "fernzahl-cli: unknown command '" << words[0] << "'\n" << kUsage;
    return 2;
}
