#include "platform/IniSettingsStore.h"

#include "core/FileLayer.h"
#include "platform/PosixFile.h"

#include <filesystem>
#include <sys/file.h>

namespace fs = std::filesystem;

CIniSettingsStore::CIniSettingsStore(std::string settingsFile, std::string dataDirectory)
    : m_file(std::move(settingsFile)), m_dataDirectory(std::move(dataDirectory)) {
    if (!m_dataDirectory.empty() && m_dataDirectory.back() != '/') {
        m_dataDirectory += '/';
    }
}

std::optional<CIniDocument> CIniSettingsStore::ReadDocument() const {
    std::string text;
    if (!ReadWholeFile(m_file, text)) {
        std::error_code error;
        // A file that exists but cannot be read must not be overwritten by a write.
        return fs::exists(m_file, error) || error ? std::nullopt : std::optional(CIniDocument());
    }
    return CIniDocument::Parse(text);
}

std::optional<CIniDocument> CIniSettingsStore::Load() const {
    std::optional<CIniDocument> doc = ReadDocument();
    return doc && doc->GetDamagedLine() != 0 ? CIniDocument() : doc;
}

std::optional<int> CIniSettingsStore::FindDamage() const {
    const std::optional<CIniDocument> doc = ReadDocument();
    return doc && doc->GetDamagedLine() != 0 ? std::optional(doc->GetDamagedLine()) : std::nullopt;
}

std::optional<std::string> CIniSettingsStore::SetAsideIfDamaged() {
    const CFileDescriptor lock = LockDirectory();
    if (!FindDamage()) {
        return std::nullopt;
    }
    return CFileLayer::MoveAside(m_file);
}

CFileDescriptor CIniSettingsStore::LockDirectory() const {
    const fs::path file(m_file);
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    // The directory, not the file, is locked: the file is replaced by every write.
    CFileDescriptor directory(open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen() && flock(directory.Get(), LOCK_EX) != 0) {
        return CFileDescriptor();
    }
    return directory;
}

std::optional<SettingValue> CIniSettingsStore::ReadValue(const std::string& section, const std::string& name) {
    const CIniDocument doc = Load().value_or(CIniDocument());
    const SettingValue* value = doc.Find(section, name);
    return value ? std::optional<SettingValue>(*value) : std::nullopt;
}

bool CIniSettingsStore::WriteValue(const std::string& section, const std::string& name, const SettingValue& value) {
    return Modify([&](CIniDocument& doc) { doc.Set(section, name, value); });
}

std::optional<SettingsSection> CIniSettingsStore::OpenSettingsKey(bool create, const std::string& section) {
    if (create) {
        SettingsSection values;
        const bool written = Modify([&](CIniDocument& doc) { values = doc.Section(section); });
        return written ? std::optional(values) : std::nullopt;
    }
    const CIniDocument doc = Load().value_or(CIniDocument());
    const SettingsSection* values = doc.FindSection(section);
    return values ? std::optional(*values) : std::nullopt;
}

std::vector<std::pair<std::string, SettingsSection>> CIniSettingsStore::ListAll() {
    return Load().value_or(CIniDocument()).Sections();
}

std::string CIniSettingsStore::GetProgramDirectory() {
    std::error_code ignored;
    fs::create_directories(m_dataDirectory, ignored);
    return m_dataDirectory;
}

bool CIniSettingsStore::Modify(const std::function<void(CIniDocument&)>& change) {
    const CFileDescriptor lock = LockDirectory();
    if (!lock.IsOpen()) {
        return false;
    }
    std::optional<CIniDocument> doc = ReadDocument();
    if (!doc) {
        return false;
    }
    if (doc->GetDamagedLine() != 0) {
        if (CFileLayer::MoveAside(m_file).empty()) {
            return false;
        }
        doc = CIniDocument();
    }
    change(*doc);
    return CFileLayer::Replace(m_file, doc->ToText());
}
