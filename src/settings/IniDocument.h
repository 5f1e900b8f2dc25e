#pragma once

#include "settings/SettingsStore.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The text form of the settings file: "[Section]" lines and "Name=Value" lines. A number is
// written bare, a string in double quotes with \" \\ \n \r \t escapes, so each keeps its kind;
// a name that could be misread is quoted the same way. Hand-written unquoted text that is not a
// 32-bit number reads as a string.
class CIniDocument {
public:
    static CIniDocument Parse(std::string_view text);
    std::string ToText() const;

    const SettingsSection* FindSection(const std::string& section) const;
    const SettingValue* Find(const std::string& section, const std::string& name) const;
    // Adds the section when missing and returns it.
    SettingsSection& Section(const std::string& section);
    void Set(const std::string& section, const std::string& name, const SettingValue& value);
    const std::vector<std::pair<std::string, SettingsSection>>& Sections() const { return m_sections; }

private:
    std::vector<std::pair<std::string, SettingsSection>> m_sections;
};
