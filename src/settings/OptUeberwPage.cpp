#include "settings/OptUeberwPage.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "detection/ModemDevice.h"
#include "settings/SettingsStore.h"
#include "ui/NotWritten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

using Kind = SettingBinding::Kind;

COptUeberwPage::COptUeberwPage(SettingsStore& settings, const CStringTable& strings, bool dialUpAvailable,
                               std::vector<SerialDevice> serialDevices)
    : CSettingsPage(Form::kOptMonitoring,
                    {{Control::kWatchDialUp, Kind::Check, Setting::kDfueNetzwerk},
                     {Control::kWatchModem, Kind::Check, Setting::kModem},
                     {Control::kAskDescription, Kind::Check, Setting::kBeschrAbfragen},
                     {Control::kLeadTime, Kind::Number, Setting::kVorlaufzeit},
                     {Control::kTolerance, Kind::Number, Setting::kToleranzzeit}},
                    settings, strings),
      m_dialUpAvailable(dialUpAvailable), m_serialDevices(std::move(serialDevices)) {}

void COptUeberwPage::Load() {
    CSettingsPage::Load();
    LoadModemDevice();
    // Neither pppd nor NetworkManager on this machine: only the modem line can be watched.
    if (!m_dialUpAvailable) {
        auto* dialUp = Control<QCheckBox>(Control::kWatchDialUp);
        dialUp->setChecked(false);
        dialUp->setEnabled(false);
        Control<QLabel>(Control::kDialUpHint)->setText(QString::fromStdString(Strings().Get(Str::kDialUpNotFound)));
    }
}

void COptUeberwPage::LoadModemDevice() {
    auto* devices = Control<QComboBox>(Control::kModemDevice);
    for (const SerialDevice& device : m_serialDevices) {
        // The path's own bytes: a device name need not be UTF-8.
        devices->addItem(QString::fromStdString(device.label), QByteArray::fromStdString(device.path));
    }
    const std::string watched = ModemDevice::Watched(Settings());
    const int listed = devices->findData(QByteArray::fromStdString(watched));
    if (listed >= 0) {
        devices->setCurrentIndex(listed);
    } else {
        devices->setEditText(QString::fromStdString(watched)); // not present now, or typed: kept as it was
    }
}

std::string COptUeberwPage::ChosenModemDevice() {
    auto* devices = Control<QComboBox>(Control::kModemDevice);
    const int index = devices->findText(devices->currentText());
    return index >= 0 ? devices->itemData(index).toByteArray().toStdString()
                      : devices->currentText().trimmed().toStdString();
}

std::optional<FieldError> COptUeberwPage::Validate() {
    if (std::optional<FieldError> error = CSettingsPage::Validate()) {
        return error;
    }
    const std::string device = ChosenModemDevice();
    auto* devices = Control<QComboBox>(Control::kModemDevice);
    if (device.empty() || device.front() != '/') {
        return FieldError{devices, QString::fromStdString(Strings().Get(Str::kModemDeviceNotAPath))};
    }
    if (const std::string refusal = StringRefusal(device, Strings()); !refusal.empty()) {
        return FieldError{devices, QString::fromStdString(refusal)};
    }
    return std::nullopt;
}

std::optional<FieldError> COptUeberwPage::Save() {
    if (std::optional<FieldError> error = CSettingsPage::Save()) {
        return error;
    }
    if (!ModemDevice::Store(Settings(), ChosenModemDevice())) {
        return NotWritten(Strings(), Settings().GetFilePath());
    }
    return std::nullopt;
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
