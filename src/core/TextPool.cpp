#include "core/TextPool.h"

#include <algorithm>
#include <numeric>

uint32_t CTextPool::Intern(std::string_view text) {
    const auto [it, added] = m_ids.try_emplace(std::string(text), static_cast<uint32_t>(m_texts.size()));
    if (added) {
        m_texts.emplace_back(text);
    }
    return it->second;
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
