#include "ui/SettingsPage.h"

#include "core/StringTable.h"
#include "settings/NumberInput.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

CSettingsPage::CSettingsPage(int templateId, std::vector<SettingBinding> bindings, SettingsStore& settings,
                             const CStringTable& strings)
    : CFormPage(templateId), m_bindings(std::move(bindings)), m_settings(settings), m_strings(strings) {}

void CSettingsPage::Load() {
    for (const SettingBinding& binding : m_bindings) {
        switch (binding.kind) {
        case SettingBinding::Kind::Check:
            Control<QCheckBox>(binding.control)->setChecked(m_settings.Read(*binding.number) != 0);
            break;
        case SettingBinding::Kind::Number:
            Control<QLineEdit>(binding.control)->setText(QString::number(m_settings.Read(*binding.number)));
            break;
        case SettingBinding::Kind::Index:
            Control<QComboBox>(binding.control)->setCurrentIndex(static_cast<int>(m_settings.Read(*binding.number)));
            break;
        case SettingBinding::Kind::Text:
            Control<QLineEdit>(binding.control)->setText(QString::fromStdString(m_settings.Read(*binding.text)));
            break;
        }
    }
}

std::optional<FieldError> CSettingsPage::Validate() {
    for (const SettingBinding& binding : m_bindings) {
        if (binding.kind != SettingBinding::Kind::Number) {
            continue;
        }
        auto* field = Control<QLineEdit>(binding.control);
        const CNumberInput input =
            CNumberInput::Check(field->text().toStdString(), binding.number->minValue, binding.number->maxValue);
        if (!input.IsValid()) {
            return FieldError{field, QString::fromStdString(input.Message(m_strings))};
        }
    }
    return std::nullopt;
}

void CSettingsPage::Save() {
    for (const SettingBinding& binding : m_bindings) {
        switch (binding.kind) {
        case SettingBinding::Kind::Check:
            m_settings.Write(*binding.number, Control<QCheckBox>(binding.control)->isChecked() ? 1 : 0);
            break;
        case SettingBinding::Kind::Number: {
            const QString text = Control<QLineEdit>(binding.control)->text();
            m_settings.Write(*binding.number, CNumberInput::Check(text.toStdString(), 0, UINT32_MAX).Value());
            break;
        }
        case SettingBinding::Kind::Index:
            m_settings.Write(*binding.number,
                             static_cast<uint32_t>(std::max(0, Control<QComboBox>(binding.control)->currentIndex())));
            break;
        case SettingBinding::Kind::Text:
            m_settings.Write(*binding.text, Control<QLineEdit>(binding.control)->text().toStdString());
            break;
        }
    }
}
