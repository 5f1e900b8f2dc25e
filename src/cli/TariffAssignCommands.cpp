#include "cli/TariffAssignCommands.h"

#include "cli/CommandUsage.h"
#include "core/QuotedText.h"
#include "platform/ConnectionSources.h"
#include "settings/SettingsStore.h"
#include "tariffs/TariffFiles.h"
#include "tariffs/Zuordnung.h"

#include <algorithm>
#include <ostream>

namespace {

struct AssignWords {
    std::vector<std::string> names; // the words that are not --force
    bool force = false;
};

AssignWords Split(const std::vector<std::string>& words) {
    AssignWords split;
    for (const std::string& word : words) {
        if (word == "--force") {
            split.force = true;
        } else {
            split.names.push_back(word);
        }
    }
    return split;
}

std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + EscapeForLine(name);
    }
    return text.empty() ? "none" : text;
}

// The entries an assignment may name: the phonebook's (pppd peers, NetworkManager dial-up
// profiles), and for unassign also those that hold an assignment still (a profile deleted since).
std::vector<std::string> KnownEntries(SettingsStore& settings, bool withAssigned) {
    std::vector<std::string> entries = CConnectionSources::FromEnvironment()->DialUp().ListEntries();
    if (const std::optional<SettingsSection> assigned = settings.OpenSettingsKey(false, Section::kZuordnung);
        withAssigned && assigned) {
        for (const auto& [entry, value] : *assigned) {
            if (entry != CZuordnung::kModemLineKey &&
                std::find(entries.begin(), entries.end(), entry) == entries.end()) {
                entries.push_back(entry);
            }
        }
    }
    return entries;
}

// The modem line ("*") is always there to assign; another entry only when known, or with --force
// (a profile made later).
bool IsKnownEntry(const std::string& entry, const AssignWords& words, const CliContext& context, bool withAssigned) {
    if (entry == CZuordnung::kModemLineKey || words.force) {
        return true;
    }
    const std::vector<std::string> known = KnownEntries(context.settings, withAssigned);
    if (std::find(known.begin(), known.end(), entry) != known.end()) {
        return true;
    }
    context.err << "fernzahl-cli: no dial-up entry '" << EscapeForLine(entry) << "'; the known ones: " << Listed(known)
                << " (* for the modem line; --force for an entry not made yet); nothing was written\n";
    return false;
}

int Write(const std::string& entry, const std::string& title, const CliContext& context) {
    if (!CZuordnung::WriteEntry(context.settings, entry, title)) {
        context.err << "fernzahl-cli: the settings file " << context.settings.GetFilePath()
                    << " could not be written; the assignment is as it was\n";
        return 1;
    }
    std::fprintf(context.out, "%s: %s from its next connection\n", EscapeForLine(entry).c_str(),
                 title.empty() ? "the default tariff Fernzahl" : ("the tariff " + EscapeForLine(title)).c_str());
    return 0;
}

} // namespace

int RunTariffAssign(const std::vector<std::string>& words, const CliContext& context) {
    const AssignWords split = Split(words);
    if (split.names.size() != 2 || split.names[0].empty()) {
        return WrongUse(context.err, "tariff", "assign needs a dial-up entry and a tariff");
    }
    const std::string& entry = split.names[0];
    const std::vector<TariffFileEntry> files = CTariffFiles::List(context.dataDirectory);
    const std::optional<std::string> title = CZuordnung::FindTariff(files, split.names[1]);
    if (!title) {
        std::vector<std::string> known{CTariffFiles::kDefaultTitle};
        for (const TariffFileEntry& file : files) {
            if (!file.IsDefault()) {
                known.push_back(file.title);
            }
        }
        context.err << "fernzahl-cli: no tariff '" << EscapeForLine(split.names[1]) << "' in " << context.dataDirectory
                    << "; the known ones: " << Listed(known) << "; nothing was written\n";
        return 2;
    }
    if (!IsKnownEntry(entry, split, context, false)) {
        return 2;
    }
    return Write(entry, *title, context);
}

int RunTariffUnassign(const std::vector<std::string>& words, const CliContext& context) {
    const AssignWords split = Split(words);
    if (split.names.size() != 1 || split.names[0].empty()) {
        return WrongUse(context.err, "tariff", "unassign needs a dial-up entry");
    }
    if (!IsKnownEntry(split.names[0], split, context, true)) {
        return 2;
    }
    return Write(split.names[0], "", context);
}
