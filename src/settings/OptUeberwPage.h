#pragma once

#include "ui/SettingsPage.h"

// Options: how connections are noticed (dial-up networking, the modem line and its port), the
// lead time, and whether a connection without a name is described.
class COptUeberwPage : public CSettingsPage {
    Q_OBJECT
public:
    COptUeberwPage(SettingsStore& settings, const CStringTable& strings, bool dialUpAvailable);

    // At least one way of noticing connections must be chosen.
    std::optional<FieldError> ValidateForClosing() override;

protected:
    void Load() override;

private:
    bool m_dialUpAvailable;
};
