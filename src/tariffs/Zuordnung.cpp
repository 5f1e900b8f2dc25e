#include "tariffs/Zuordnung.h"

#include "core/FileNames.h"
#include "settings/SettingsStore.h"
#include "tariffs/TariffFiles.h"

namespace {
// "*", an empty value and the default tariff's own title all mean the default tariff.
std::string AssignedTitle(SettingsStore& settings, const std::string& key) {
    const std::string value = settings.ReadSettingString(Section::kZuordnung, key, "*");
    return value == "*" || CTariffFiles::IsDefaultTitle(value) ? std::string() : value;
}

std::string Key(const AssignmentRow& row) {
    return row.IsModemLine() ? CZuordnung::kModemLineKey : row.entry;
}
} // namespace

CZuordnung CZuordnung::Read(SettingsStore& settings, const std::vector<std::string>& phonebook) {
    CZuordnung assignment;
    for (const std::string& entry : phonebook) {
        if (!entry.empty()) {
            assignment.m_rows.push_back({entry, AssignedTitle(settings, entry)});
        }
    }
    if (settings.Read(Setting::kModemForAssignment) != 0) {
        assignment.m_rows.push_back({"", AssignedTitle(settings, kModemLineKey)});
    }
    return assignment;
}

void CZuordnung::Assign(size_t row, const std::string& title) {
    m_rows.at(row).tariff = CTariffFiles::IsDefaultTitle(title) ? std::string() : title;
}

bool CZuordnung::Write(SettingsStore& settings) const {
    for (const AssignmentRow& row : m_rows) {
        if (!WriteEntry(settings, Key(row), row.tariff)) {
            return false;
        }
    }
    return true;
}

bool CZuordnung::WriteEntry(SettingsStore& settings, const std::string& key, const std::string& title) {
    return settings.WriteSettingString(Section::kZuordnung, key,
                                       title.empty() || CTariffFiles::IsDefaultTitle(title) ? "*" : title);
}

std::optional<std::string> CZuordnung::FindTariff(const std::vector<TariffFileEntry>& files, const std::string& name) {
    if (CTariffFiles::IsDefaultTitle(name)) {
        return std::string();
    }
    for (const TariffFileEntry& file : files) {
        if (!file.IsDefault() && EqualsNoCase(file.title, name)) {
            return file.title;
        }
    }
    return std::nullopt;
}
