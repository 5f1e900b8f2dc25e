#include "cli/CliArguments.h"
#include "cli/SettingsCommand.h"
#include "platform/DataPaths.h"
#include "platform/IniSettingsStore.h"

#include <clocale>
#include <iostream>

namespace {

constexpr const char* kUsage = R"(Usage: fernzahl-cli [--data-dir DIR] COMMAND ...

Fernzahl from a terminal: the same data and settings as the desktop program.

Commands:
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
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (words[0] == "settings") {
        return RunSettingsCommand(rest, store, std::cout, std::cerr);
    }
    std::cerr << "fernzahl-cli: unknown command '" << words[0] << "'\n" << kUsage;
    return 2;
}
