#pragma once

#include <string>
#include <vector>

class SettingsStore;

// The descriptions the prompt offers: the last 15 confirmed ("MRU0" most recent to "MRU14" in
// section "Protokoll"). A confirmed text moves to the front without a duplicate; the oldest goes
// when the list is full. Empty texts are kept in place but not offered.
class CRecentDescriptions {
public:
    static CRecentDescriptions Read(SettingsStore& settings);

    // The texts to offer, most recent first.
    std::vector<std::string> Offered() const;
    void Confirm(const std::string& text);
    void Write(SettingsStore& settings) const;

private:
    std::vector<std::string> m_texts;
};
