#include "settings/IniDocument.h"

#include "core/QuotedText.h"
#include "core/TextEncoding.h"
#include "core/TextLines.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// The byte of "\xHH" whose 'x' is at s[x], when two hex digits follow (older files may have a
// backslash before any letter, which stands for the letter).
std::optional<char> HexByte(std::string_view s, size_t x) {
    unsigned value = 0;
    if (x + 2 >= s.size() || std::from_chars(s.data() + x + 1, s.data() + x + 3, value, 16).ptr != s.data() + x + 3) {
        return std::nullopt;
    }
    return static_cast<char>(value);
}

// Reads a quoted string starting at s[0] == '"'; pos ends after the closing quote.
std::optional<std::string> ReadQuoted(std::string_view s, size_t& pos) {
    std::string out;
    for (pos = 1; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c != '\\' || pos + 1 == s.size()) {
            out += c;
            continue;
        }
        const char e = s[++pos];
        if (const std::optional<char> byte = HexByte(s, pos); e == 'x' && byte) {
            out += *byte;
            pos += 2;
            continue;
        }
        out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
    }
    return std::nullopt;
}

std::optional<uint32_t> ParseNumber(std::string_view s) {
    int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size() || value < INT32_MIN || value > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

// Tabs and line ends are the only control characters a settings file has.
bool HasControlCharacter(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) { return IsControlByte(c) && c != '\t' && c != '\r'; });
}

bool SectionNeedsQuoting(std::string_view section) {
    return !section.empty() && (section.front() == '"' || Trim(section) != section ||
                                section.find_first_of("]\r") != std::string_view::npos ||
                                HasControlCharacter(section) || !IsValidUtf8(section));
}

bool NeedsQuoting(std::string_view name) {
    if (name.empty() || name.front() == '[' || name.front() == ';' || name.front() == '#' || name.front() == ' ' ||
        name.back() == ' ') {
        return true;
    }
    return name.find_first_of("=\"\\\n\r\t") != std::string_view::npos || HasControlCharacter(name) ||
           !IsValidUtf8(name);
}

// Nothing for a value that starts a quote and does not close it, or goes on after it.
std::optional<SettingValue> ParseValue(std::string_view raw) {
    if (!raw.empty() && raw.front() == '"') {
        size_t pos = 0;
        std::optional<std::string> text = ReadQuoted(raw, pos);
        if (!text || pos != raw.size()) {
            return std::nullopt;
        }
        return SettingValue::String(std::move(*text));
    }
    if (std::optional<uint32_t> number = ParseNumber(raw)) {
        return SettingValue::Number(*number);
    }
    return SettingValue::String(std::string(raw));
}

} // namespace

CIniDocument CIniDocument::Parse(std::string_view text) {
    CIniDocument doc;
    std::optional<std::string> current;
    int number = 0;
    // Some editors begin a UTF-8 file with a byte order mark.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    for (const std::string_view raw : SplitLines(text)) {
        ++number;
        const bool read = !HasControlCharacter(raw) && IsValidUtf8(raw) && doc.ParseLine(Trim(raw), current);
        if (!read && doc.m_damagedLine == 0) {
            doc.m_damagedLine = number;
        }
    }
    return doc;
}

bool CIniDocument::ParseLine(std::string_view line, std::optional<std::string>& current) {
    if (line.empty() || line.front() == ';' || line.front() == '#') {
        return true;
    }
    if (line.front() == '[' && line.back() == ']') {
        const std::string_view inside = Trim(line.substr(1, line.size() - 2));
        size_t end = 0;
        const std::optional<std::string> quoted =
            inside.starts_with('"') ? ReadQuoted(inside, end) : std::optional<std::string>(inside);
        if (!quoted || (inside.starts_with('"') && end != inside.size())) {
            return false;
        }
        current = *quoted;
        Section(*current);
        return true;
    }
    if (!current) {
        return false;
    }
    std::string name;
    size_t pos = 0;
    if (line.front() == '"') {
        std::optional<std::string> quoted = ReadQuoted(line, pos);
        if (!quoted) {
            return false;
        }
        name = std::move(*quoted);
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) {
            ++pos;
        }
        if (pos == line.size() || line[pos] != '=') {
            return false;
        }
    } else {
        pos = line.find('=');
        if (pos == std::string_view::npos) {
            return false;
        }
        name = std::string(Trim(line.substr(0, pos)));
    }
    const std::optional<SettingValue> value = ParseValue(Trim(line.substr(pos + 1)));
    if (!value) {
        return false;
    }
    Set(*current, name, *value);
    return true;
}

std::string CIniDocument::ToText() const {
    std::string out;
    for (const auto& [section, values] : m_sections) {
        if (!out.empty()) {
            out += '\n';
        }
        out += '[' + (SectionNeedsQuoting(section) ? QuoteText(section, QuoteStyle::Ini) : section) + "]\n";
        for (const auto& [name, value] : values) {
            out += NeedsQuoting(name) ? QuoteText(name, QuoteStyle::Ini) : name;
            out += '=';
            out += value.kind == SettingValue::Kind::Number ? std::to_string(value.number)
                                                            : QuoteText(value.text, QuoteStyle::Ini);
            out += '\n';
        }
    }
    return out;
}

std::optional<size_t> CIniDocument::IndexOf(const std::string& section) const {
    const auto found = m_sectionIndex.find(section);
    return found == m_sectionIndex.end() ? std::nullopt : std::optional(found->second);
}

const SettingsSection* CIniDocument::FindSection(const std::string& section) const {
    const std::optional<size_t> index = IndexOf(section);
    return index ? &m_sections[*index].second : nullptr;
}

const SettingValue* CIniDocument::Find(const std::string& section, const std::string& name) const {
    const std::optional<size_t> index = IndexOf(section);
    if (!index) {
        return nullptr;
    }
    const auto found = m_valueIndex[*index].find(name);
    return found == m_valueIndex[*index].end() ? nullptr : &m_sections[*index].second[found->second].second;
}

SettingsSection& CIniDocument::Section(const std::string& section) {
    if (const std::optional<size_t> index = IndexOf(section)) {
        return m_sections[*index].second;
    }
    m_sectionIndex.emplace(section, m_sections.size());
    m_valueIndex.emplace_back();
    return m_sections.emplace_back(section, SettingsSection{}).second;
}

void CIniDocument::Set(const std::string& section, const std::string& name, const SettingValue& value) {
    SettingsSection& values = Section(section);
    std::unordered_map<std::string, size_t>& names = m_valueIndex[*IndexOf(section)];
    const auto [found, added] = names.emplace(name, values.size());
    if (added) {
        values.emplace_back(name, value);
    } else {
        values[found->second].second = value;
    }
}
