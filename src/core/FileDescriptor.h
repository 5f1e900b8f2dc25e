#pragma once

#include <cstdint>
#include <string>

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

// Opens a file of the program's own (flags as for open) without waiting on a FIFO or a device put
// in its place: only a regular file stays open. Otherwise the descriptor is closed and errno says
// why (EISDIR for a folder, EINVAL for anything else that is no regular file).
CFileDescriptor OpenRegularFile(const std::string& path, int flags, unsigned mode = 0);

// Reads a whole file; false (and empty text) when it cannot be read or is no regular file (a
// FIFO or device in its place is never waited on), or is longer than limit (EFBIG: no more than
// one byte past the limit is read).
bool ReadWholeFile(const std::string& path, std::string& text, uint64_t limit = UINT64_MAX);
