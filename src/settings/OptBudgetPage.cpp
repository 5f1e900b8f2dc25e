#include "settings/OptBudgetPage.h"

#include "core/ResourceIds.h"

using Kind = SettingBinding::Kind;

COptBudgetPage::COptBudgetPage(SettingsStore& settings, const CStringTable& strings)
    : CSettingsPage(Form::kOptBudget,
                    {{Control::kBudgetLimit, Kind::Number, Setting::kBudgetLimit},
                     {Control::kBudgetWarnShare, Kind::Number, Setting::kBudgetWarnShare}},
                    settings, strings) {}
