#include "settings/MemorySettingsStore.h"

std::optional<SettingsSection> CMemorySettingsStore::OpenSettingsKey(bool create, const std::string& section) {
    if (create) {
        return m_document.Section(section);
    }
    const SettingsSection* values = m_document.FindSection(section);
    return values ? std::optional(*values) : std::nullopt;
}

std::optional<SettingValue> CMemorySettingsStore::ReadValue(const std::string& section, const std::string& name) {
    const SettingValue* value = m_document.Find(section, name);
    return value ? std::optional(*value) : std::nullopt;
}

bool CMemorySettingsStore::WriteValue(const std::string& section, const std::string& name, const SettingValue& value) {
    m_document.Set(section, name, value);
    return true;
}
