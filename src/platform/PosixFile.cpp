#include "platform/PosixFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

bool ReadWholeFile(const std::string& path, std::string& text) {
    text.clear();
    CFileDescriptor fd = OpenRegularFile(path, O_RDONLY);
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
