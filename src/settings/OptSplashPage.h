#pragma once

#include "platform/Autostart.h"
#include "ui/SettingsPage.h"

// Options: the splash screen, and whether Fernzahl starts when the user logs in.
class COptSplashPage : public CSettingsPage {
    Q_OBJECT
public:
    COptSplashPage(SettingsStore& settings, const CStringTable& strings, CAutostart autostart);

    std::optional<FieldError> Save() override;

protected:
    void Load() override;

private:
    CAutostart m_autostart;
};
