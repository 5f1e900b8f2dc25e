#pragma once

#include "cli/CliContext.h"
#include "metering/Budget.h"

#include <string>
#include <vector>

struct CounterState;

// "budget [--json]": the monthly budget's limit, what is spent of it, what remains and the month's
// projected total. Exits 0 within the budget, 1 past the warning share, 3 past the limit, 4 when
// the counter file cannot be read.
int RunBudgetCommand(const std::vector<std::string>& words, const CliContext& context);
// The budget now, on the monthly counter given.
CBudget ReadBudget(const CounterState& monthly, SettingsStore& settings);
// "limit", "spent", "remaining" and "projection" as members of a JSON object; null while no
// budget is set.
std::string BudgetJsonMembers(const CBudget& budget);
