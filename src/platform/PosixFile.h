#pragma once

#include <fcntl.h>
#include <string>
#include <sys/types.h>

// Owns a file descriptor and closes it.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd = -1) : m_fd(fd) {}
    ~CFileDescriptor();
    CFileDescriptor(CFileDescriptor&& other) noexcept : m_fd(other.Release()) {}
    CFileDescriptor& operator=(CFileDescriptor&& other) noexcept;
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Get() const { return m_fd; }
    int Release();

private:
    int m_fd;
};

// Reads a whole file; false (and empty text) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text);
// Writes the text to a temporary file beside the target, flushes it to disk and renames it over
// the target, so the target is either the old or the new file, whatever happens meanwhile, even a
// power cut (the directory is flushed too). The target keeps its mode; a new one gets the user's
// umask. Neither is ever writable by others.
bool ReplaceFileAtomically(const std::string& path, const std::string& text);
// Renames a file that cannot be used to path + ".damaged" (".damaged-2", ... when that is taken),
// never over another file: the new name, empty when it could not be moved.
std::string MoveAside(const std::string& path);
// The same for a file that must not exist yet: the text is linked in under the path only when no
// file of that name exists, so the path names either nothing, another file, or the whole text.
bool CreateFileAtomically(const std::string& path, const std::string& text);
