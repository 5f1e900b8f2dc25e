#include "tariffs/TariffFiles.h"

#include "core/FileLayer.h"
#include "core/FileNames.h"
#include "settings/SettingsStore.h"

bool CTariffFiles::IsDefaultTitle(const std::string& title) {
    return EqualsNoCase(title, kDefaultTitle);
}

std::vector<TariffFileEntry> CTariffFiles::List(const std::string& directory) {
    std::vector<TariffFileEntry> entries;
    for (const std::string& name : ListFilesWithExtension(directory, kExtension)) {
        const std::string title = name.substr(0, name.size() - std::string_view(kExtension).size());
        if (IsDefaultTitle(title)) {
            entries.insert(entries.begin(), {name, ""});
        } else {
            entries.push_back({name, title});
        }
    }
    return entries;
}

bool CTariffFiles::CreateEmpty(const std::string& path) {
    return CFileLayer::Replace(path, std::string_view());
}

CTariffFiles::Deletion CTariffFiles::Delete(const std::string& directory, const std::string& title,
                                            SettingsStore& settings) {
    if (title.empty() || IsDefaultTitle(title)) {
        return Deletion::kRefused;
    }
    if (const std::optional<std::string> path = FindFileNoCase(directory, title + kExtension);
        path && !CFileLayer::Remove(*path)) {
        return Deletion::kNotRemoved;
    }
    // Also when the file was already gone: no entry may keep pointing at it.
    if (const std::optional<SettingsSection> assignments = settings.OpenSettingsKey(false, Section::kZuordnung)) {
        for (const auto& [entry, value] : *assignments) {
            if (value.kind == SettingValue::Kind::String && EqualsNoCase(value.text, title) &&
                !settings.WriteSettingString(Section::kZuordnung, entry, "*")) {
                return Deletion::kAssignmentsNotWritten;
            }
        }
    }
    return Deletion::kDeleted;
}
