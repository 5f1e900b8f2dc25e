#include "core/StringTable.h"

#include "core/NumberText.h"
#include "core/ResourceIds.h"
#include "core/TextLines.h"

#include <algorithm>

namespace {

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case '|':
            out += CStringTable::kFormSeparator;
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

} // namespace

CStringTable CStringTable::Parse(std::string_view catalogue) {
    CStringTable table;
    for (const std::string_view line : SplitLines(catalogue)) {
        const size_t tab = line.find('\t');
        if (line.empty() || line.front() == '#' || tab == std::string_view::npos) {
            continue;
        }
        if (const std::optional<uint32_t> id = ParseUint32(line.substr(0, tab))) {
            table.m_strings[*id] = Unescape(line.substr(tab + 1));
        }
    }
    return table;
}

std::vector<unsigned> CStringTable::Ids() const {
    std::vector<unsigned> ids;
    ids.reserve(m_strings.size());
    for (const auto& [id, text] : m_strings) {
        ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::string CStringTable::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        out += c == '\\'             ? "\\\\"
               : c == '\n'           ? "\\n"
               : c == '\t'           ? "\\t"
               : c == kFormSeparator ? "\\|"
                                     : std::string(1, c);
    }
    return out;
}

std::string CStringTable::Get(unsigned id) const {
    const auto it = m_strings.find(id);
    return it == m_strings.end() ? std::string() : it->second;
}

std::string CStringTable::Format(unsigned id, std::initializer_list<std::string_view> args) const {
    return FormatPlaceholders(Get(id), args);
}

std::string CStringTable::FormatCount(unsigned id, int64_t count, std::initializer_list<std::string_view> args) const {
    const std::string text = Get(id);
    const std::string_view forms = text;
    const size_t separator = count == 1 ? forms.find(kFormSeparator) : forms.rfind(kFormSeparator);
    if (separator == std::string_view::npos) {
        return FormatPlaceholders(forms, args);
    }
    return FormatPlaceholders(count == 1 ? forms.substr(0, separator) : forms.substr(separator + 1), args);
}

void CStringTable::AddStoredNamesOf(const CStringTable& otherLanguage) {
    for (const unsigned id : Str::kStoredNames) {
        const std::string name = otherLanguage.Get(id);
        if (!name.empty()) {
            m_storedNames.emplace(name, id);
            m_storedNameStarts.set(static_cast<unsigned char>(name.front()));
        }
    }
}

const std::string& CStringTable::ShownName(const std::string& stored) const {
    // Asked once per record by the export of a whole log: most names end here.
    if (stored.empty() || !m_storedNameStarts.test(static_cast<unsigned char>(stored.front()))) {
        return stored;
    }
    const auto name = m_storedNames.find(stored);
    if (name == m_storedNames.end()) {
        return stored;
    }
    const auto shown = m_strings.find(name->second);
    return shown == m_strings.end() ? stored : shown->second;
}

std::string FormatPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next == '%') {
            out += '%';
            ++i;
        } else if (pattern[i] == '%' && next >= '1' && next <= '9' && static_cast<size_t>(next - '1') < args.size()) {
            out += *(args.begin() + (next - '1'));
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
