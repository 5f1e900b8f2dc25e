#include "log/RecentDescriptions.h"

#include "settings/SettingsStore.h"

#include <algorithm>

namespace {
std::string ValueName(size_t position) {
    return "MRU" + std::to_string(position);
}
} // namespace

CRecentDescriptions CRecentDescriptions::Read(SettingsStore& settings) {
    CRecentDescriptions recent;
    for (size_t i = 0; i < Setting::kRecentDescriptions; ++i) {
        const std::string text = settings.ReadSettingString(Section::kProtokoll, ValueName(i), "");
        if (!text.empty()) {
            recent.m_texts.push_back(text);
        }
    }
    return recent;
}

std::vector<std::string> CRecentDescriptions::Offered() const {
    std::vector<std::string> offered;
    std::copy_if(m_texts.begin(), m_texts.end(), std::back_inserter(offered),
                 [](const std::string& text) { return !text.empty(); });
    return offered;
}

void CRecentDescriptions::Confirm(const std::string& text) {
    const auto same = std::find(m_texts.begin(), m_texts.end(), text);
    if (same != m_texts.end()) {
        m_texts.erase(same);
    } else if (m_texts.size() == Setting::kRecentDescriptions) {
        m_texts.pop_back();
    }
    m_texts.insert(m_texts.begin(), text);
}

// The places after the list are emptied where they still hold a text: read back, the list would
// otherwise offer it again, as a duplicate of one moved to the front.
void CRecentDescriptions::Write(SettingsStore& settings) const {
    for (size_t i = 0; i < Setting::kRecentDescriptions; ++i) {
        const std::string& text = i < m_texts.size() ? m_texts[i] : std::string();
        if (i < m_texts.size() || !settings.ReadSettingString(Section::kProtokoll, ValueName(i), "").empty()) {
            settings.WriteSettingString(Section::kProtokoll, ValueName(i), text);
        }
    }
}
