#pragma once

#include "ui/FormPage.h"
#include "ui/SettingBinding.h"

#include <map>
#include <string>
#include <vector>

class CStringTable;
class QComboBox;
class SettingsStore;

// A page whose controls mirror settings through a binding table: loaded with the settings'
// defaults, checked against their ranges, written in the table's order.
class CSettingsPage : public CFormPage {
    Q_OBJECT
public:
    CSettingsPage(int templateId, std::vector<SettingBinding> bindings, SettingsStore& settings,
                  const CStringTable& strings);

    std::optional<FieldError> Validate() override;
    std::optional<FieldError> Save() override;

    // The message that refuses a string setting's text; empty when the setting takes it.
    static std::string StringRefusal(const std::string& text, const CStringTable& strings);

protected:
    void Load() override;
    // A text field's value as bytes: a file name the field shows unchanged keeps its own, also
    // where it is no text in the locale's encoding.
    std::string TextOf(int control) const;
    void SetTextOf(int control, const std::string& value);
    SettingsStore& Settings() const { return m_settings; }
    const CStringTable& Strings() const { return m_strings; }

private:
    bool Write(const SettingBinding& binding);
    void LoadIndex(QComboBox& list, const DwordSetting& setting);

    std::vector<SettingBinding> m_bindings;
    std::map<int, std::string> m_texts; // what each text field was last given, as bytes
    SettingsStore& m_settings;
    const CStringTable& m_strings;
};
