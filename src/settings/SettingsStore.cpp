#include "settings/SettingsStore.h"

#include "core/NumberText.h"
#include "core/TextEncoding.h"

uint32_t SettingsStore::ReadSettingDword(const std::string& section, const std::string& name, uint32_t defaultValue) {
    const std::optional<SettingValue> value = ReadValue(section, name);
    if (!value) {
        return defaultValue;
    }
    if (value->kind == SettingValue::Kind::Number) {
        return value->number;
    }
    // A number someone stored as text still reads as that number.
    return ParseUint32(value->text).value_or(defaultValue);
}

bool SettingsStore::WriteSettingDword(const std::string& section, const std::string& name, uint32_t value) {
    return WriteValue(section, name, SettingValue::Number(value));
}

std::string SettingsStore::ReadSettingString(const std::string& section, const std::string& name,
                                             const std::string& defaultValue) {
    const std::optional<SettingValue> value = ReadValue(section, name);
    if (!value) {
        return defaultValue;
    }
    if (value->kind == SettingValue::Kind::Number) {
        return std::to_string(value->number);
    }
    return FitsStringLimit(value->text) ? value->text : defaultValue;
}

bool SettingsStore::IsTooLong(const StringSetting& s) {
    const std::optional<SettingValue> value = ReadValue(s.section, s.name);
    return value && value->kind == SettingValue::Kind::String && !FitsStringLimit(value->text);
}

bool SettingsStore::FitsStringLimit(const std::string& text) {
    return CountUtf8Characters(text) <= kMaxStringLength;
}

bool SettingsStore::WriteSettingString(const std::string& section, const std::string& name, const std::string& text) {
    return WriteValue(section, name, SettingValue::String(text));
}
