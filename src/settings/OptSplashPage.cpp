#include "settings/OptSplashPage.h"

#include "core/ResourceIds.h"
#include "platform/InstalledFiles.h"
#include "ui/NotWritten.h"

#include <QCheckBox>

using Kind = SettingBinding::Kind;

COptSplashPage::COptSplashPage(SettingsStore& settings, const CStringTable& strings, CAutostart autostart)
    : CSettingsPage(Form::kOptStartup, {{Control::kShowSplash, Kind::Check, Setting::kSplashScreen}}, settings,
                    strings),
      m_autostart(std::move(autostart)) {}

void COptSplashPage::Load() {
    CSettingsPage::Load();
    Control<QCheckBox>(Control::kAutostart)->setChecked(m_autostart.IsEnabled());
}

std::optional<FieldError> COptSplashPage::Save() {
    if (std::optional<FieldError> error = CSettingsPage::Save()) {
        return error;
    }
    const bool written = Control<QCheckBox>(Control::kAutostart)->isChecked()
                             ? m_autostart.Enable(CInstalledFiles::ProgramFile())
                             : m_autostart.Disable();
    return written ? std::nullopt : std::optional(NotWritten(Strings(), m_autostart.EntryPath()));
}
