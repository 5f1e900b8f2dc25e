#include "cli/CountersCommand.h"

#include "cli/BudgetCommand.h"
#include "cli/CommandOutput.h"
#include "cli/CommandUsage.h"
#include "cli/CounterResetCommand.h"
#include "cli/CurrentCounters.h"
#include "cli/JsonText.h"
#include "metering/ZaehlerFile.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>
#include <ostream>

namespace {

const LocaleFacts kPlain{":", ".", 2, ""};

// A counter not stored yet is a counter at zero that has never been reset.
std::string Line(uint8_t number, const std::optional<CounterState>& stored, bool json) {
    const std::string& name = kCounterNames[number];
    const CounterState c = stored.value_or(CounterState{});
    if (json) {
        if (number == CZaehlerFile::kDiscount) {
            return "{\"counter\":\"discount\",\"count\":" + std::to_string(c.units) + "}";
        }
        const std::string reset = stored && c.resetDate.IsValid() ? JsonString(c.resetDate.FormatIso()) : "null";
        return "{\"counter\":" + JsonString(name) + ",\"since\":" + reset +
               ",\"connections\":" + std::to_string(c.connections) +
               ",\"duration\":" + std::to_string(c.duration.GetTotalSeconds()) +
               ",\"units\":" + std::to_string(c.units) + ",\"costs\":" + FormatAmount(c.costs, kPlain) + "}";
    }
    if (number == CZaehlerFile::kDiscount) {
        return "discount  " + Counted(c.units, "unit") + " charged at the discount price";
    }
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    const std::string reset = stored ? "since " + CDateTimeText().Format(c.resetDate) : "not reset yet";
    return name + std::string(10 - name.size(), ' ') + reset + "  " + Counted(c.connections, "connection") + "  " +
           FormatDuration(c.duration.GetDays(), facts) + "  " + Counted(c.units, "unit") + "  " +
           FormatAmount(c.costs, facts);
}

} // namespace

int RunCountersCommand(const std::vector<std::string>& words, const CliContext& context) {
    const bool json = words.size() == 1 && words[0] == "--json";
    const bool reset = !words.empty() && words[0] == "reset";
    if (!words.empty() && !json && !reset) {
        return WrongUse(context.err, "counters", "unknown word '" + words[0] + "'");
    }
    const auto period = reset && words.size() == 2
                            ? std::find(std::begin(kCounterNames), std::begin(kCounterNames) + 4, words[1])
                            : std::end(kCounterNames);
    if (reset && period >= std::begin(kCounterNames) + 4) {
        return WrongUse(context.err, "counters", "reset needs one of daily, weekly, monthly or total");
    }
    // A folder without a counter file yet has its counters at zero; one that does not exist has
    // none (a mistyped --data-dir must not pass for a folder that metered nothing).
    std::error_code error;
    if (!std::filesystem::is_directory(context.dataDirectory, error)) {
        context.err << "fernzahl-cli: there is no data folder " << context.dataDirectory << '\n';
        return 1;
    }
    if (reset) {
        return RunCounterReset(static_cast<uint8_t>(period - std::begin(kCounterNames)), context);
    }
    const std::optional<CCurrentCounters> current = CCurrentCounters::Read(context.dataDirectory);
    CZaehlerFile file(context.dataDirectory);
    if (!current || !file.IsWhole() || !file.OpenForReading()) {
        context.err << "fernzahl-cli: cannot read the counter file " << context.dataDirectory << CZaehlerFile::kFileName
                    << " (missing permission, or damaged)\n";
        return 1;
    }
    const std::optional<CounterState> discount =
        file.FindFirst(0, CZaehlerFile::kDiscount) ? std::optional(file.State()) : std::nullopt;
    file.Close();
    std::string text = json ? "[" : "";
    for (uint8_t number = 0; number < 5; ++number) {
        const std::optional<CounterState>& state =
            number == CZaehlerFile::kDiscount ? discount : current->counters[number];
        text += (json && text.size() > 1 ? "," : "") + Line(number, state, json) + (json ? "" : "\n");
    }
    const CounterState monthly = current->counters[CZaehlerFile::kMonthly].value_or(CounterState{});
    if (json) {
        // The budget as the list's last entry: a script that reads the list goes on reading it.
        text += (text.size() > 1 ? ",{" : "{") + std::string("\"counter\":\"budget\",") +
                BudgetJsonMembers(ReadBudget(monthly, context.settings)) + "}]\n";
    }
    std::fputs(text.c_str(), context.out);
    return 0;
}
