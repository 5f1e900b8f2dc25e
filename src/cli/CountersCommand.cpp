#include "cli/CountersCommand.h"

#include "cli/BudgetCommand.h"
#include "cli/CommandUsage.h"
#include "cli/JsonText.h"
#include "metering/ZaehlerFile.h"
#include "settings/Formatting.h"

#include <filesystem>
#include <ostream>

namespace {

constexpr const char* kNames[] = {"daily", "weekly", "monthly", "total", "discount"};
const LocaleFacts kPlain{":", ".", 2};

std::string Line(const CZaehlerFile& f, bool json) {
    const std::string& name = kNames[f.recordNumber];
    if (json) {
        if (f.recordNumber == CZaehlerFile::kDiscount) {
            return "{\"counter\":\"discount\",\"count\":" + std::to_string(f.units) + "}";
        }
        const std::string reset = f.resetDate.IsValid() ? JsonString(f.resetDate.FormatIso()) : "null";
        return "{\"counter\":" + JsonString(name) + ",\"since\":" + reset +
               ",\"connections\":" + std::to_string(f.connections) +
               ",\"duration\":" + std::to_string(f.duration.GetTotalSeconds()) +
               ",\"units\":" + std::to_string(f.units) + ",\"costs\":" + FormatAmount(f.costs, kPlain) + "}";
    }
    if (f.recordNumber == CZaehlerFile::kDiscount) {
        return "discount  " + std::to_string(f.units) + " units counted at the discount price";
    }
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    return name + std::string(10 - name.size(), ' ') + "since " + f.resetDate.FormatIso() + "  " +
           std::to_string(f.connections) + " connections  " + FormatDuration(f.duration.GetDays(), facts) + "  " +
           std::to_string(f.units) + " units  " + FormatAmount(f.costs, facts);
}

} // namespace

int RunCountersCommand(const std::vector<std::string>& words, const CliContext& context) {
    const bool json = words.size() == 1 && words[0] == "--json";
    if (!words.empty() && !json) {
        return WrongUse(context.err, "counters", "unknown word '" + words[0] + "'");
    }
    // A folder without a counter file yet has counters at nothing stored.
    CZaehlerFile file(context.dataDirectory);
    if (!file.OpenForReading()) {
        context.err << "fernzahl-cli: cannot read the counter file " << context.dataDirectory << CZaehlerFile::kFileName
                    << '\n';
        return 1;
    }
    std::string text = json ? "[" : "";
    CounterState monthly;
    for (uint8_t number = 0; number < 5; ++number) {
        if (!file.FindFirst(0, number)) {
            text += json ? "" : std::string(kNames[number]) + "  (not stored yet)\n";
            continue;
        }
        if (number == CZaehlerFile::kMonthly) {
            monthly = file.State();
        }
        text += (json && text.size() > 1 ? "," : "") + Line(file, json) + (json ? "" : "\n");
    }
    file.Close();
    if (json) {
        // The budget as the list's last entry: a script that reads the list goes on reading it.
        text += (text.size() > 1 ? ",{" : "{") + std::string("\"counter\":\"budget\",") +
                BudgetJsonMembers(ReadBudget(monthly, context.settings)) + "}]\n";
    }
    std::fputs(text.c_str(), context.out);
    return 0;
}
