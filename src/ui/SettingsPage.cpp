#include "ui/SettingsPage.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "platform/PathText.h"
#include "settings/AmountInput.h"
#include "settings/Formatting.h"
#include "settings/NumberInput.h"
#include "settings/SettingsStore.h"
#include "ui/NotWritten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

namespace {

QString ShownValue(const DwordSetting& setting, uint32_t value) {
    return setting.isAmount ? QString::fromStdString(FormatAmount(CMoney(value))) : QString::number(value);
}

// The message that refuses the text of a field; empty when the setting takes it.
std::string Refusal(const SettingBinding& binding, const std::string& text, const CStringTable& strings) {
    if (binding.kind == SettingBinding::Kind::Text) {
        return CSettingsPage::StringRefusal(text, strings);
    }
    const DwordSetting& setting = *binding.number;
    if (setting.isAmount) {
        return CAmountInput::Check(text, LocaleFacts::FromCLibrary(), CMoney(setting.minValue),
                                   CMoney(setting.maxValue))
            .Message(strings);
    }
    return CNumberInput::Check(text, setting.minValue, setting.maxValue).Message(strings);
}

// The value of a number field that has been checked.
uint32_t TypedValue(const DwordSetting& setting, const std::string& text) {
    if (setting.isAmount) {
        return static_cast<uint32_t>(CAmountInput::Check(text, LocaleFacts::FromCLibrary()).Value().GetValue());
    }
    return CNumberInput::Check(text, 0, UINT32_MAX).Value();
}

} // namespace

CSettingsPage::CSettingsPage(int templateId, std::vector<SettingBinding> bindings, SettingsStore& settings,
                             const CStringTable& strings)
    : CFormPage(templateId), m_bindings(std::move(bindings)), m_settings(settings), m_strings(strings) {}

std::string CSettingsPage::StringRefusal(const std::string& text, const CStringTable& strings) {
    return SettingsStore::FitsStringLimit(text)
               ? std::string()
               : strings.Format(Str::kTooManyCharacters, {std::to_string(SettingsStore::kMaxStringLength)});
}

// A number the list lacks (a settings file edited by hand) shows the default, not an empty choice.
void CSettingsPage::LoadIndex(QComboBox& list, const DwordSetting& setting) {
    const uint32_t index = m_settings.Read(setting);
    list.setCurrentIndex(static_cast<int>(index < static_cast<uint32_t>(list.count()) ? index : setting.defaultValue));
}

void CSettingsPage::Load() {
    for (const SettingBinding& binding : m_bindings) {
        switch (binding.kind) {
        case SettingBinding::Kind::Check:
            Control<QCheckBox>(binding.control)->setChecked(m_settings.Read(*binding.number) != 0);
            break;
        case SettingBinding::Kind::Number:
            Control<QLineEdit>(binding.control)->setText(ShownValue(*binding.number, m_settings.Read(*binding.number)));
            break;
        case SettingBinding::Kind::Index:
            LoadIndex(*Control<QComboBox>(binding.control), *binding.number);
            break;
        case SettingBinding::Kind::Text:
            SetTextOf(binding.control, m_settings.Read(*binding.text));
            break;
        }
    }
}

std::optional<FieldError> CSettingsPage::Validate() {
    for (const SettingBinding& binding : m_bindings) {
        if (binding.kind != SettingBinding::Kind::Number && binding.kind != SettingBinding::Kind::Text) {
            continue;
        }
        auto* field = Control<QLineEdit>(binding.control);
        const std::string refusal =
            Refusal(binding, binding.text ? TextOf(binding.control) : field->text().toStdString(), m_strings);
        if (!refusal.empty()) {
            return FieldError{field, QString::fromStdString(refusal)};
        }
    }
    return std::nullopt;
}

std::optional<FieldError> CSettingsPage::Save() {
    for (const SettingBinding& binding : m_bindings) {
        if (!Write(binding)) {
            return NotWritten(m_strings, m_settings.GetFilePath());
        }
    }
    return std::nullopt;
}

std::string CSettingsPage::TextOf(int control) const {
    const QString shown = Control<QLineEdit>(control)->text();
    const auto given = m_texts.find(control);
    return given != m_texts.end() && shown == PathToQt(given->second) ? given->second
                                                                      : QFile::encodeName(shown).toStdString();
}

void CSettingsPage::SetTextOf(int control, const std::string& value) {
    m_texts[control] = value;
    Control<QLineEdit>(control)->setText(PathToQt(value));
}

bool CSettingsPage::Write(const SettingBinding& binding) {
    switch (binding.kind) {
    case SettingBinding::Kind::Check:
        return m_settings.Write(*binding.number, Control<QCheckBox>(binding.control)->isChecked() ? 1 : 0);
    case SettingBinding::Kind::Number:
        return m_settings.Write(*binding.number,
                                TypedValue(*binding.number, Control<QLineEdit>(binding.control)->text().toStdString()));
    case SettingBinding::Kind::Index:
        return m_settings.Write(
            *binding.number, static_cast<uint32_t>(std::max(0, Control<QComboBox>(binding.control)->currentIndex())));
    case SettingBinding::Kind::Text:
        return m_settings.Write(*binding.text, TextOf(binding.control));
    }
    return false;
}
