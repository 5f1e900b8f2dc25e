#include "core/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFileDescriptor::~CFileDescriptor() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}

CFileDescriptor& CFileDescriptor::operator=(CFileDescriptor&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) {
            close(m_fd);
        }
        m_fd = other.Release();
    }
    return *this;
}

int CFileDescriptor::Release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

CFileDescriptor OpenRegularFile(const std::string& path, int flags, unsigned mode) {
    CFileDescriptor fd(open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode));
    struct stat info {};
    if (!fd.IsOpen() || fstat(fd.Get(), &info) != 0) {
        return CFileDescriptor();
    }
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return CFileDescriptor();
    }
    return fd; // O_NONBLOCK changes nothing for a regular file
}
