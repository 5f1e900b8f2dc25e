#pragma once

#include "settings/SettingsStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The text form of the settings file: "[Section]" lines and "Name=Value" lines. A number is
// written bare, a string in double quotes with \" \\ \n \r \t escapes, so each keeps its kind;
// a name or section that could be misread is quoted the same way. Hand-written unquoted text that is not a
// 32-bit number reads as a string; blank lines and lines starting with ";" or "#" are skipped.
//
// Anything else is damage: a line that is none of these, a value outside any section, a quote
// that does not close or text after it, a control character, bytes that are not UTF-8. Writing
// the document back would lose such a line, so its reader must not save over the text.
class CIniDocument {
public:
    // A settings file is read up to this size and no text larger is written: the program writes a
    // few kilobytes, and a file far larger (a log put in its place, an endless stream) is no settings.
    static constexpr size_t kMaxTextBytes = 1024 * 1024;

    static CIniDocument Parse(std::string_view text);
    std::string ToText() const;
    // The number of the first line that could not be read, counted from 1; 0 for a sound text.
    int GetDamagedLine() const { return m_damagedLine; }

    const SettingsSection* FindSection(const std::string& section) const;
    const SettingValue* Find(const std::string& section, const std::string& name) const;
    // Adds the section when missing and returns it.
    SettingsSection& Section(const std::string& section);
    void Set(const std::string& section, const std::string& name, const SettingValue& value);
    const std::vector<std::pair<std::string, SettingsSection>>& Sections() const { return m_sections; }

private:
    // False when the line cannot be read; current is the section it is in, nothing before the first.
    bool ParseLine(std::string_view line, std::optional<std::string>& current);

    // Where each section is in m_sections, and each value in its section: one lookup per key, so
    // that a file of many values is read in linear time.
    std::optional<size_t> IndexOf(const std::string& section) const;

    std::vector<std::pair<std::string, SettingsSection>> m_sections;
    std::unordered_map<std::string, size_t> m_sectionIndex;
    std::vector<std::unordered_map<std::string, size_t>> m_valueIndex;
    int m_damagedLine = 0;
};
