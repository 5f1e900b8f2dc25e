#include "settings/OptAnzeigePage.h"

#include "core/ResourceIds.h"
#include "settings/Formatting.h"

#include <QCheckBox>
#include <QLabel>

using Kind = SettingBinding::Kind;

COptAnzeigePage::COptAnzeigePage(SettingsStore& settings, const CStringTable& strings)
    : CSettingsPage(Form::kOptDisplay,
                    {{Control::kShowOnConnect, Kind::Check, Setting::kSichtbarBeiVerb},
                     {Control::kCostsFirst, Kind::Check, Setting::kKostenZuerst},
                     {Control::kLanguage, Kind::Index, Setting::kSprache}},
                    settings, strings) {}

void COptAnzeigePage::Load() {
    CSettingsPage::Load();
    for (const int box : {Control::kShowOnConnect, Control::kCostsFirst}) {
        connect(Control<QCheckBox>(box), &QCheckBox::toggled, this, &COptAnzeigePage::ShowPreview);
    }
    // The example's costs as the counter writes them in the user's locale.
    const QString costs = QString::fromStdString(FormatAmount(CMoney(6000), LocaleFacts::FromCLibrary()));
    for (const int preview : {Control::kPreviewTimeFirst, Control::kPreviewCostsFirst}) {
        auto* label = Control<QLabel>(preview);
        label->setText(label->text().arg(costs));
    }
    ShowPreview();
}

// Without the window at a connection there is nothing to preview.
void COptAnzeigePage::ShowPreview() {
    const bool shown = Control<QCheckBox>(Control::kShowOnConnect)->isChecked();
    const bool costsFirst = Control<QCheckBox>(Control::kCostsFirst)->isChecked();
    Control<QLabel>(Control::kPreviewTimeFirst)->setVisible(shown && !costsFirst);
    Control<QLabel>(Control::kPreviewCostsFirst)->setVisible(shown && costsFirst);
}
