#include "settings/OptSplashPage.h"

#include "core/ResourceIds.h"

#include <QCheckBox>
#include <QCoreApplication>

using Kind = SettingBinding::Kind;

COptSplashPage::COptSplashPage(SettingsStore& settings, const CStringTable& strings, CAutostart autostart)
    : CSettingsPage(Form::kOptStartup, {{Control::kShowSplash, Kind::Check, Setting::kSplashScreen}}, settings,
                    strings),
      m_autostart(std::move(autostart)) {}

void COptSplashPage::Load() {
    CSettingsPage::Load();
    Control<QCheckBox>(Control::kAutostart)->setChecked(m_autostart.IsEnabled());
}

void COptSplashPage::Save() {
    CSettingsPage::Save();
    // A folder that cannot be written drops the choice without a word, as a setting would.
    if (Control<QCheckBox>(Control::kAutostart)->isChecked()) {
        m_autostart.Enable(QCoreApplication::applicationFilePath().toStdString());
    } else {
        m_autostart.Disable();
    }
}
