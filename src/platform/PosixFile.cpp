#include "platform/PosixFile.h"

#include <cerrno>
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

bool ReadWholeFile(const std::string& path, std::string& text) {
    text.clear();
    CFileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen()) {
        return false;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t n = read(fd.Get(), buffer, sizeof buffer);
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
    }
}

namespace {

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Writes the text to a temporary file beside the path and flushes it to disk: the temporary file's
// name, empty when it could not be written. It gets the path's mode, or the umask's for a new file.
std::string WriteTemporaryBeside(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp-" + std::to_string(getpid());
    // Created with 0666, so the umask decides; an existing file keeps its mode.
    CFileDescriptor fd(open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.IsOpen()) {
        return {};
    }
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 && fstat(fd.Get(), &info) != 0) {
        info.st_mode = 0600;
    }
    const bool written = fchmod(fd.Get(), (info.st_mode & 07777) & ~S_IWOTH) == 0 && WriteAll(fd.Get(), text) &&
                         fdatasync(fd.Get()) == 0;
    if (!written) {
        unlink(temporary.c_str());
        return {};
    }
    return temporary;
}

// Makes a rename or a new name in the directory of path survive a power cut.
void FlushDirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const CFileDescriptor fd(open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) {
        fsync(fd.Get());
    }
}

} // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& text) {
    const std::string temporary = WriteTemporaryBeside(path, text);
    if (temporary.empty()) {
        return false;
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    FlushDirectoryOf(path);
    return true;
}

std::string MoveAside(const std::string& path) {
    for (int n = 1; n < 100; ++n) {
        const std::string aside = path + ".damaged" + (n == 1 ? std::string() : "-" + std::to_string(n));
        // Unlike rename, link never replaces a file of that name.
        if (link(path.c_str(), aside.c_str()) == 0) {
            unlink(path.c_str());
            FlushDirectoryOf(path);
            return aside;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

bool CreateFileAtomically(const std::string& path, const std::string& text) {
    const std::string temporary = WriteTemporaryBeside(path, text);
    if (temporary.empty()) {
        return false;
    }
    // Unlike rename, link never replaces a file that appeared meanwhile.
    const bool linked = link(temporary.c_str(), path.c_str()) == 0;
    unlink(temporary.c_str());
    return linked;
}
