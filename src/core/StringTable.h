#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The numbered texts of the resource library. Core code gets every user-visible text from here.
class CStringTable {
public:
    // Lines "number<TAB>text"; blank lines and lines starting with '#' are skipped.
    // In the text, \n stands for a line break, \t for a tab and \\ for a backslash; \| parts the
    // forms of a text with a count, as Qt's numerus forms do: the form for one, then the one for
    // every other count (the rule of English and German).
    static CStringTable Parse(std::string_view catalogue);
    // What stands for \| in a text.
    static constexpr char kFormSeparator = '\x1f';

    // The text, or an empty string for a number the catalogue lacks.
    std::string Get(unsigned id) const;
    bool Contains(unsigned id) const { return m_strings.contains(id); }
    size_t Size() const { return m_strings.size(); }
    // The numbers the catalogue holds, in ascending order.
    std::vector<unsigned> Ids() const;
    // The text as a catalogue line writes it: line breaks, tabs and backslashes escaped.
    static std::string Escape(std::string_view text);
    // The text with %1..%9 replaced by the arguments.
    std::string Format(unsigned id, std::initializer_list<std::string_view> args) const;
    // The same with the text's form for the count (a text of one form serves every count).
    std::string FormatCount(unsigned id, int64_t count, std::initializer_list<std::string_view> args) const;

    // A record keeps the placeholder of a name it lacks (Str::kStoredNames) in the language it was
    // written in; another language's placeholder is the same name. Learns that language's ones.
    void AddStoredNamesOf(const CStringTable& otherLanguage);
    // A stored text as this language shows it: any language's placeholder becomes this one's.
    const std::string& ShownName(const std::string& stored) const;

private:
    std::unordered_map<unsigned, std::string> m_strings;
    std::unordered_map<std::string, unsigned> m_storedNames; // other languages' placeholders
    std::bitset<256> m_storedNameStarts; // their first bytes: most names are told apart by the first
};

// Replaces %1..%9 by the arguments; "%%" is a percent sign; a placeholder without argument stays.
std::string FormatPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> args);
