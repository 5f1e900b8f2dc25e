#include "settings/OptExportPage.h"

#include "core/ResourceIds.h"

using Kind = SettingBinding::Kind;

COptExportPage::COptExportPage(SettingsStore& settings, const CStringTable& strings)
    : CSettingsPage(Form::kOptExport, {{Control::kAutoExport, Kind::Check, Setting::kAutoExport}}, settings, strings) {}
