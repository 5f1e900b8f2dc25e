#include "cli/BudgetCommand.h"

#include "cli/CommandOutput.h"
#include "cli/CommandUsage.h"
#include "cli/CurrentCounters.h"
#include "metering/CounterState.h"
#include "metering/ZaehlerFile.h"
#include "platform/SystemClock.h"
#include "settings/Formatting.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace {

constexpr int kOverShare = 1;
constexpr int kOverLimit = 3;
constexpr int kUnreadable = 4;

// The monthly counter as it stands, the running connection in it; nothing spent while the program
// has stored no counter yet, and nothing at all from a damaged file, which would make any month
// look within the budget.
std::optional<CounterState> CurrentMonthly(const std::string& directory) {
    const std::optional<CCurrentCounters> current = CCurrentCounters::Read(directory);
    if (!current) {
        return std::nullopt;
    }
    return current->counters[CZaehlerFile::kMonthly].value_or(CounterState{});
}

// Where the month stands, as the exit code tells it; the projection alone changes nothing.
int Standing(const CBudget& budget) {
    const uint32_t passed = budget.Passed();
    return (passed & CBudget::kLimit) != 0 ? kOverLimit : (passed & CBudget::kShare) != 0 ? kOverShare : 0;
}

void PrintText(const CBudget& budget, std::FILE* out) {
    if (!budget.IsSet()) {
        std::fputs("No monthly budget is set.\n", out);
        return;
    }
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    const int standing = Standing(budget);
    const char* state = standing == kOverLimit   ? "past the limit"
                        : standing == kOverShare ? "past the warning share"
                                                 : "within the budget";
    std::fprintf(out, "month       %s to %s\n", budget.Month().Begin().Format("%x").c_str(),
                 budget.Month().LastDay().Format("%x").c_str());
    PrintTable(out,
               {{"limit", FormatAmount(budget.Limit(), facts)},
                {"spent", FormatAmount(budget.Spent(), facts)},
                {"remaining", FormatAmount(budget.Remaining(), facts)},
                {"projection", FormatAmount(budget.Projection(), facts)}},
               {1});
    std::fprintf(out, "%s\n", state);
}

} // namespace

CBudget ReadBudget(const CounterState& monthly, SettingsStore& settings) {
    return CBudget::Read(settings, monthly, CSystemClock().Now());
}

std::string BudgetJsonMembers(const CBudget& budget) {
    const auto amount = [&](const CMoney& value) { return budget.IsSet() ? PlainAmount(value) : "null"; };
    return "\"limit\":" + amount(budget.Limit()) + ",\"spent\":" + amount(budget.Spent()) +
           ",\"remaining\":" + amount(budget.Remaining()) + ",\"projection\":" + amount(budget.Projection());
}

int RunBudgetCommand(const std::vector<std::string>& words, const CliContext& context) {
    const bool json = words.size() == 1 && words[0] == "--json";
    if (!words.empty() && !json) {
        return WrongUse(context.err, "budget", "unknown word '" + words[0] + "'");
    }
    const std::optional<CounterState> monthly = CurrentMonthly(context.dataDirectory);
    if (!monthly) {
        context.err << "fernzahl-cli: cannot read the counter file " << context.dataDirectory << CZaehlerFile::kFileName
                    << " (missing permission, or damaged)\n";
        return kUnreadable;
    }
    const CBudget budget = ReadBudget(*monthly, context.settings);
    if (json) {
        std::fprintf(context.out, "{%s}\n", BudgetJsonMembers(budget).c_str());
    } else {
        PrintText(budget, context.out);
    }
    return Standing(budget);
}
