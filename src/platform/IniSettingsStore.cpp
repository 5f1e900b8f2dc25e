#include "platform/IniSettingsStore.h"

#include "core/FileDescriptor.h"
#include "core/FileLayer.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>

namespace fs = std::filesystem;

CIniSettingsStore::CIniSettingsStore(std::string settingsFile, std::string dataDirectory)
    : m_file(std::move(settingsFile)), m_dataDirectory(std::move(dataDirectory)) {
    if (!m_dataDirectory.empty() && m_dataDirectory.back() != '/') {
        m_dataDirectory += '/';
    }
}

std::optional<FileIdentity> FileIdentity::Of(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

bool FileIdentity::operator==(const FileIdentity& o) const {
    const auto same = [](const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    return device == o.device && inode == o.inode && size == o.size && same(modified, o.modified) &&
           same(changed, o.changed);
}

const std::optional<CIniDocument>& CIniSettingsStore::ReadDocument() const {
    // Taken before the read: a change during it makes the next access read again.
    const std::optional<FileIdentity> identity = FileIdentity::Of(m_file);
    if (identity && m_readIdentity && *identity == *m_readIdentity) {
        return m_read;
    }
    m_read = ReadFromDisk();
    m_readIdentity = m_read ? identity : std::nullopt;
    return m_read;
}

std::optional<CIniDocument> CIniSettingsStore::ReadFromDisk() const {
    std::string text;
    m_readError = 0;
    if (!ReadWholeFile(m_file, text, CIniDocument::kMaxTextBytes)) {
        m_readError = errno;
        // A file that exists but cannot be read must not be overwritten by a write.
        return m_readError == ENOENT || m_readError == ENOTDIR ? std::optional(CIniDocument()) : std::nullopt;
    }
    return CIniDocument::Parse(text);
}

const CIniDocument& CIniSettingsStore::Load() const {
    static const CIniDocument defaults;
    const std::optional<CIniDocument>& doc = ReadDocument();
    return doc && doc->GetDamagedLine() == 0 ? *doc : defaults;
}

std::optional<int> CIniSettingsStore::FindDamage() const {
    const std::optional<CIniDocument>& doc = ReadDocument();
    return doc && doc->GetDamagedLine() != 0 ? std::optional(doc->GetDamagedLine()) : std::nullopt;
}

std::optional<int> CIniSettingsStore::FindReadError() const {
    return ReadDocument() ? std::nullopt : std::optional(m_readError);
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
    const SettingValue* value = Load().Find(section, name);
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
    const SettingsSection* values = Load().FindSection(section);
    return values ? std::optional(*values) : std::nullopt;
}

std::vector<std::pair<std::string, SettingsSection>> CIniSettingsStore::ListAll() {
    return Load().Sections();
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
    const std::string text = doc->ToText();
    if (text.size() > CIniDocument::kMaxTextBytes) {
        errno = EFBIG; // never a file that the next read would refuse
        return false;
    }
    return CFileLayer::Replace(m_file, text);
}
