#include "core/TextPool.h"

#include <algorithm>
#include <numeric>

uint32_t CTextPool::Intern(std::string_view text) {
    if (const auto known = m_ids.find(text); known != m_ids.end()) {
        return known->second;
    }
    const auto id = static_cast<uint32_t>(m_texts.size());
    m_texts.emplace_back(text);
    m_ids.emplace(m_texts.back(), id);
    return id;
}

std::optional<uint32_t> CTextPool::Find(std::string_view text) const {
    const auto known = m_ids.find(text);
    return known == m_ids.end() ? std::nullopt : std::optional(known->second);
}

std::vector<uint32_t> CTextPool::Transform(const std::function<std::string(const std::string&)>& change) {
    std::vector<std::string> stored;
    stored.swap(m_texts);
    m_ids.clear();
    std::vector<uint32_t> newIds;
    newIds.reserve(stored.size());
    for (const std::string& text : stored) {
        newIds.push_back(Intern(change(text)));
    }
    return newIds;
}

std::vector<uint32_t> CTextPool::ByteOrderRanks() const {
    std::vector<uint32_t> byOrder(m_texts.size());
    std::iota(byOrder.begin(), byOrder.end(), 0u);
    // std::string compares as unsigned bytes, so "Z" comes before "a" and "Ü" after both.
    std::sort(byOrder.begin(), byOrder.end(), [this](uint32_t a, uint32_t b) { return m_texts[a] < m_texts[b]; });
    std::vector<uint32_t> ranks(m_texts.size());
    for (uint32_t place = 0; place < byOrder.size(); ++place) {
        ranks[byOrder[place]] = place;
    }
    return ranks;
}
