#include "core/FileDescriptor.h"

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
