#pragma once

#include "core/FileDescriptor.h"
#include "settings/IniDocument.h"
#include "settings/SettingsStore.h"

#include <sys/stat.h>

#include <functional>
#include <string>

// The settings store as one INI file. An access reads the file again only when it changed on disk
// (another inode, size or time: every write renames a new file in); every write locks the
// file's directory, rewrites the whole file into a temporary and renames it over the old one, so a
// reader in another process sees either the old or the new file, never half of one. The file gets
// the user's umask and is never writable by others.
//
// A damaged file (one the INI reader cannot read whole) reads as the defaults, and is never saved
// over: a write first moves it aside to "fernzahl.ini.damaged" and starts a new file.
// What tells one version of a file from another without reading it.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    off_t size;
    timespec modified;
    timespec changed;

    static std::optional<FileIdentity> Of(const std::string& path);
    bool operator==(const FileIdentity& other) const;
};

class CIniSettingsStore : public SettingsStore {
public:
    CIniSettingsStore(std::string settingsFile, std::string dataDirectory);

    std::optional<SettingsSection> OpenSettingsKey(bool create, const std::string& section) override;
    std::vector<std::pair<std::string, SettingsSection>> ListAll() override;
    std::string GetProgramDirectory() override;
    std::string GetFilePath() const override { return m_file; }
    // The first line of a damaged file that cannot be read; nothing for a sound or missing file.
    std::optional<int> FindDamage() const;
    // Why a file that exists cannot be read (an errno value: EISDIR for a folder, EINVAL for a pipe
    // or device in its place, EFBIG for one larger than CIniDocument::kMaxTextBytes, of which no
    // more is read); nothing when it can be read or is missing. Settings are then the defaults, and
    // no write replaces the file.
    std::optional<int> FindReadError() const;
    // Moves a damaged file aside, never over another file, so that the next write starts anew: the
    // name it is kept under (empty when it could not be moved); nothing for a sound file.
    std::optional<std::string> SetAsideIfDamaged();

protected:
    std::optional<SettingValue> ReadValue(const std::string& section, const std::string& name) override;
    bool WriteValue(const std::string& section, const std::string& name, const SettingValue& value) override;

private:
    // The file's content, damaged or not; empty when there is no file, nothing when it exists but
    // cannot be read.
    const std::optional<CIniDocument>& ReadDocument() const;
    std::optional<CIniDocument> ReadFromDisk() const;
    // What the file says: its content, or the defaults (an empty document) when it is damaged or
    // cannot be read.
    const CIniDocument& Load() const;
    // Holds the lock on the file's directory while it lives; not open when it could not be taken.
    CFileDescriptor LockDirectory() const;
    bool Modify(const std::function<void(CIniDocument&)>& change);

    std::string m_file;
    std::string m_dataDirectory;
    // The file as last read, and what identified it then.
    mutable std::optional<CIniDocument> m_read;
    mutable std::optional<FileIdentity> m_readIdentity;
    mutable int m_readError = 0;
};
