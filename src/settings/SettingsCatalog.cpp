#include "settings/SettingsCatalog.h"

#include "settings/SettingsTable.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

// Values named "<prefix><index>" by the windows that keep them.
struct NumberedFamily {
    const char* section;
    const char* prefix;
    unsigned count;
    SettingSpec::Kind kind;
};

constexpr NumberedFamily kFamilies[] = {
    {Section::kProtokoll, "MRU", Setting::kRecentDescriptions, SettingSpec::Kind::String},
    {Section::kProtokoll, "Spalte", Setting::kLogColumnWidths.size(), SettingSpec::Kind::Number},
    {Section::kZusammenfassung, "Spalte", Setting::kSummaryColumnWidths.size(), SettingSpec::Kind::Number},
};

bool IsFamilyMember(const NumberedFamily& family, std::string_view section, std::string_view name) {
    const std::string_view prefix = family.prefix;
    if (section != family.section || !name.starts_with(prefix)) {
        return false;
    }
    const std::string_view index = name.substr(prefix.size());
    return (index.size() == 1 || (index.size() == 2 && index[0] != '0')) &&
           std::all_of(index.begin(), index.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           std::stoul(std::string(index)) < family.count;
}

std::vector<std::pair<std::string, std::string>> KnownNames() {
    std::vector<std::pair<std::string, std::string>> names;
    for (const DwordSetting& s : Setting::kDwordSettings) {
        names.emplace_back(s.section, s.name);
    }
    for (const StringSetting& s : Setting::kStringSettings) {
        names.emplace_back(s.section, s.name);
    }
    for (const NumberedFamily& family : kFamilies) {
        for (unsigned i = 0; i < family.count; ++i) {
            names.emplace_back(family.section, family.prefix + std::to_string(i));
        }
    }
    return names;
}

// Edits (insert, delete, replace) between two texts, ignoring the case of ASCII letters.
size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                              std::tolower(static_cast<unsigned char>(b[j - 1]));
            const size_t replaced = diagonal + (same ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, replaced});
        }
    }
    return row[b.size()];
}

} // namespace

std::optional<SettingSpec> CSettingsCatalog::Find(std::string_view section, std::string_view name) {
    for (const DwordSetting& s : Setting::kDwordSettings) {
        if (section == s.section && name == s.name) {
            return SettingSpec{s.isAmount ? SettingSpec::Kind::Amount : SettingSpec::Kind::Number, s.minValue,
                               s.maxValue};
        }
    }
    for (const StringSetting& s : Setting::kStringSettings) {
        if (section == s.section && name == s.name) {
            return SettingSpec{SettingSpec::Kind::String};
        }
    }
    for (const NumberedFamily& family : kFamilies) {
        if (IsFamilyMember(family, section, name)) {
            return SettingSpec{family.kind};
        }
    }
    // Every dial-up entry has its own value here, named by the entry.
    if (section == Section::kZuordnung && !name.empty()) {
        return SettingSpec{SettingSpec::Kind::String};
    }
    return std::nullopt;
}

std::string CSettingsCatalog::Nearest(std::string_view section, std::string_view name) {
    std::string best;
    size_t bestDistance = SIZE_MAX;
    for (const auto& [knownSection, knownName] : KnownNames()) {
        const size_t distance = EditDistance(section, knownSection) + EditDistance(name, knownName);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = knownSection + " " + knownName;
        }
    }
    return best;
}
