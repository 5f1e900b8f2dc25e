#pragma once

#include "detection/ModemLine.h"
#include "ui/SettingsPage.h"

#include <vector>

// Options: how connections are noticed (dial-up networking, the modem line and its device), the
// lead time, and whether a connection without a name is described.
class COptUeberwPage : public CSettingsPage {
    Q_OBJECT
public:
    COptUeberwPage(SettingsStore& settings, const CStringTable& strings, bool dialUpAvailable,
                   std::vector<SerialDevice> serialDevices);

    // At least one way of noticing connections must be chosen.
    std::optional<FieldError> ValidateForClosing() override;
    std::optional<FieldError> Validate() override;
    std::optional<FieldError> Save() override;

protected:
    void Load() override;

private:
    void LoadModemDevice();
    // The path of the device chosen from the list or typed.
    std::string ChosenModemDevice();

    bool m_dialUpAvailable;
    std::vector<SerialDevice> m_serialDevices;
};
