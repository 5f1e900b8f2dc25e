#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Each distinct text once, named by a small number: a log repeats a few names a million times.
class CTextPool {
public:
    uint32_t Intern(std::string_view text);
    // The id of a text the pool holds.
    std::optional<uint32_t> Find(std::string_view text) const;
    // Turns every text into what the function makes of it: texts interned as they are stored are
    // decoded once each, not once per use. Texts made equal become one; the answer is each old id's
    // new id, which is the old one unless a text before it was made the same.
    std::vector<uint32_t> Transform(const std::function<std::string(const std::string&)>& change);
    const std::string& Text(uint32_t id) const { return m_texts[id]; }
    size_t Size() const { return m_texts.size(); }
    // Each text's place in byte order (capitals before small letters), by id: comparing two ranks
    // compares the texts.
    std::vector<uint32_t> ByteOrderRanks() const;

private:
    // Looks texts up without making a string of them first.
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };

    std::vector<std::string> m_texts;
    std::unordered_map<std::string, uint32_t, Hash, std::equal_to<>> m_ids;
};
