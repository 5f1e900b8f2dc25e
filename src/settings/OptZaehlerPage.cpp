#include "settings/OptZaehlerPage.h"

#include "core/ResourceIds.h"

using Kind = SettingBinding::Kind;

COptZaehlerPage::COptZaehlerPage(SettingsStore& settings, const CStringTable& strings)
    : CSettingsPage(Form::kOptCounters,
                    {{Control::kAutoReset, Kind::Check, Setting::kAutoReset},
                     {Control::kResetDay, Kind::Number, Setting::kResetTag},
                     {Control::kOnlyAtStart, Kind::Check, Setting::kNurBeimStart}},
                    settings, strings) {}
