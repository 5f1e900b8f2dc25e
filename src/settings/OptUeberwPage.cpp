#include "settings/OptUeberwPage.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"

#include <QCheckBox>
#include <QLabel>

using Kind = SettingBinding::Kind;

COptUeberwPage::COptUeberwPage(SettingsStore& settings, const CStringTable& strings, bool dialUpAvailable)
    : CSettingsPage(Form::kOptMonitoring,
                    {{Control::kWatchDialUp, Kind::Check, Setting::kDfueNetzwerk},
                     {Control::kWatchModem, Kind::Check, Setting::kModem},
                     {Control::kModemPort, Kind::Index, Setting::kPort},
                     {Control::kAskDescription, Kind::Check, Setting::kBeschrAbfragen},
                     {Control::kLeadTime, Kind::Number, Setting::kVorlaufzeit},
                     {Control::kTolerance, Kind::Number, Setting::kToleranzzeit}},
                    settings, strings),
      m_dialUpAvailable(dialUpAvailable) {}

void COptUeberwPage::Load() {
    CSettingsPage::Load();
    // Neither pppd nor NetworkManager on this machine: only the modem line can be watched.
    if (!m_dialUpAvailable) {
        auto* dialUp = Control<QCheckBox>(Control::kWatchDialUp);
        dialUp->setChecked(false);
        dialUp->setEnabled(false);
        Control<QLabel>(Control::kDialUpHint)->setText(QString::fromStdString(Strings().Get(Str::kDialUpNotFound)));
    }
}

std::optional<FieldError> COptUeberwPage::ValidateForClosing() {
    auto* dialUp = Control<QCheckBox>(Control::kWatchDialUp);
    auto* modem = Control<QCheckBox>(Control::kWatchModem);
    if (!dialUp->isChecked() && !modem->isChecked()) {
        return FieldError{dialUp->isEnabled() ? dialUp : modem,
                          QString::fromStdString(Strings().Get(Str::kChooseAWatchMethod))};
    }
    return std::nullopt;
}
