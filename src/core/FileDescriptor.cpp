#include "core/FileDescriptor.h"

#include "core/FileLayer.h"

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
    if ((flags & O_CREAT) != 0 && !CFileLayer::MayCreateFiles()) {
        flags &= ~O_CREAT;
        CFileDescriptor existing = OpenRegularFile(path, flags, mode);
        if (!existing.IsOpen() && errno == ENOENT) {
            errno = EACCES; // as a folder that takes no new file says
        }
        return existing;
    }
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

bool ReadWholeFile(const std::string& path, std::string& text, uint64_t limit) {
    text.clear();
    CFileDescriptor fd = OpenRegularFile(path, O_RDONLY);
    if (!fd.IsOpen()) {
        return false;
    }
    char buffer[8192];
    for (;;) {
        // One byte past the limit at most, which tells a file longer than it.
        const uint64_t room = limit - text.size();
        const size_t wanted = room >= sizeof buffer ? sizeof buffer : static_cast<size_t>(room) + 1;
        const ssize_t n = read(fd.Get(), buffer, wanted);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            text.clear();
            return false;
        }
        if (n == 0) {
            return true;
        }
        text.append(buffer, static_cast<size_t>(n));
        if (text.size() > limit) {
            text.clear();
            errno = EFBIG;
            return false;
        }
    }
}
