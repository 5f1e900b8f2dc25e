#pragma once

#include "settings/IniDocument.h"
#include "settings/SettingsStore.h"

// Settings that live only as long as the object: for the simulator, which must not touch the
// user's settings, and for tests.
class CMemorySettingsStore : public SettingsStore {
public:
    explicit CMemorySettingsStore(std::string programDirectory) : m_directory(std::move(programDirectory)) {}

    std::optional<SettingsSection> OpenSettingsKey(bool create, const std::string& section) override;
    std::vector<std::pair<std::string, SettingsSection>> ListAll() override { return m_document.Sections(); }
    std::string GetProgramDirectory() override { return m_directory; }
    // Where the file would be; nothing is ever written there.
    std::string GetFilePath() const override { return m_directory + "fernzahl.ini"; }

protected:
    std::optional<SettingValue> ReadValue(const std::string& section, const std::string& name) override;
    bool WriteValue(const std::string& section, const std::string& name, const SettingValue& value) override;

private:
    std::string m_directory;
    CIniDocument m_document;
};
