#pragma once

#include "settings/IniDocument.h"
#include "settings/SettingsStore.h"

#include <functional>
#include <string>

// The settings store as one INI file. Every access reads the file afresh; every write locks the
// file's directory, rewrites the whole file into a temporary and renames it over the old one, so a
// reader in another process sees either the old or the new file, never half of one. The file gets
// the user's umask and is never writable by others.
class CIniSettingsStore : public SettingsStore {
public:
    CIniSettingsStore(std::string settingsFile, std::string dataDirectory);

    std::optional<SettingsSection> OpenSettingsKey(bool create, const std::string& section) override;
    std::vector<std::pair<std::string, SettingsSection>> ListAll() override;
    std::string GetProgramDirectory() override;
    const std::string& GetFilePath() const { return m_file; }

protected:
    std::optional<SettingValue> ReadValue(const std::string& section, const std::string& name) override;
    bool WriteValue(const std::string& section, const std::string& name, const SettingValue& value) override;

private:
    // The file's content; empty when there is no file, nothing when it exists but cannot be read.
    std::optional<CIniDocument> Load() const;
    bool Modify(const std::function<void(CIniDocument&)>& change);

    std::string m_file;
    std::string m_dataDirectory;
};
