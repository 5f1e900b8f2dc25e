#include "core/FileLayer.h"

#include "core/FileDescriptor.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The checkpoint is written on a thread of its own, so the count is shared.
std::atomic<unsigned> g_operations{0};
std::atomic<unsigned> g_failAt{0};
std::atomic<int> g_error{ENOSPC};

std::atomic<bool> g_frozenFolder{false};

void ReadFaultFromEnvironment() {
    static const bool read = [] {
        if (const char* spec = std::getenv("FERNZAHL_FAIL_AT"); spec != nullptr && *spec != '\0') {
            char* end = nullptr;
            g_failAt = static_cast<unsigned>(std::strtoul(spec, &end, 10));
            g_error = std::strcmp(end, ":EIO") == 0 ? EIO : ENOSPC;
        }
        if (const char* frozen = std::getenv("FERNZAHL_FROZEN_FOLDER"); frozen != nullptr) {
            g_frozenFolder = std::strcmp(frozen, "1") == 0;
        }
        return true;
    }();
    (void)read;
}

using Kind = CFileLayer::Operation::Kind;

std::atomic<bool> g_recording{false};
std::atomic<bool> g_withoutHardLinks{false};
std::mutex g_recordMutex;
std::vector<CFileLayer::Operation> g_recorded;

void Record(Kind kind, const std::string& path) {
    const std::lock_guard lock(g_recordMutex);
    g_recorded.push_back({kind, path});
}

std::string PathOf(int fd) {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error).string();
}

// Counts one operation; true when it is the one that must fail (errno is then set).
bool Injected(Kind kind, const std::string& path) {
    if (g_recording) {
        Record(kind, path);
    }
    ReadFaultFromEnvironment();
    const unsigned number = ++g_operations;
    if (g_frozenFolder && (kind == Kind::Rename || kind == Kind::Link || kind == Kind::Remove)) {
        errno = EACCES;
        return true;
    }
    if (number != g_failAt) {
        return false;
    }
    errno = g_error;
    return true;
}

// The same for an operation on an open file; its name is looked up only while recording.
bool Injected(Kind kind, int fd) {
    return Injected(kind, g_recording ? PathOf(fd) : std::string());
}

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A new temporary file beside the path with the path's mode (the umask's for a new file), never
// writable by others; its name is left in temporary.
CFileDescriptor OpenTemporaryBeside(const std::string& path, std::string& temporary) {
    static std::atomic<unsigned> sequence{0};
    temporary = path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(++sequence);
    if (!CFileLayer::MayCreateFiles()) {
        return CFileDescriptor();
    }
    // Created with 0666, so the umask decides; an existing file keeps its mode.
    CFileDescriptor fd(open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.IsOpen()) {
        return fd;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 && fstat(fd.Get(), &info) != 0) {
        info.st_mode = 0600;
    }
    if (fchmod(fd.Get(), (info.st_mode & 07777) & ~S_IWOTH) != 0) {
        unlink(temporary.c_str());
        return CFileDescriptor();
    }
    return fd;
}

// The temporary file written and flushed; removed again when that failed.
std::string WriteTemporaryBeside(const std::string& path, const std::function<bool(int fd)>& write) {
    std::string temporary;
    CFileDescriptor fd = OpenTemporaryBeside(path, temporary);
    if (!fd.IsOpen()) {
        return {};
    }
    if (!write(fd.Get()) || !CFileLayer::Flush(fd.Get())) {
        const int error = errno;
        unlink(temporary.c_str());
        errno = error;
        return {};
    }
    return temporary;
}

// Every byte, at the offset, or without one where the file stands; a short write goes on.
bool WriteBytes(int fd, std::optional<uint64_t> offset, const void* data, size_t size) {
    if (Injected(Kind::Write, fd)) {
        return false;
    }
    const auto* bytes = static_cast<const char*>(data);
    for (size_t done = 0; done < size;) {
        const ssize_t n = offset ? pwrite(fd, bytes + done, size - done, static_cast<off_t>(*offset + done))
                                 : write(fd, bytes + done, size - done);
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

// The file a path names through its symbolic links, also one that does not exist yet (the file is
// written where a link points, as opening it for writing would).
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            break;
        }
        path = (target.is_absolute() ? target : std::filesystem::path(path).parent_path() / target).string();
    }
    return path;
}

// The descriptor of this process that the path names (/dev/stdout, /dev/fd/N, /proc/self/fd/N).
std::optional<int> OpenDescriptorNamed(const std::string& path) {
    if (path == "/dev/stdout") {
        return 1;
    }
    if (path == "/dev/stderr") {
        return 2;
    }
    for (const std::string& prefix :
         {std::string("/dev/fd/"), std::string("/proc/self/fd/"), "/proc/" + std::to_string(getpid()) + "/fd/"}) {
        if (path.starts_with(prefix) && path.size() > prefix.size() &&
            path.find_first_not_of("0123456789", prefix.size()) == std::string::npos) {
            return std::atoi(path.c_str() + prefix.size());
        }
    }
    return std::nullopt;
}

} // namespace

bool CFileLayer::WriteAll(int fd, const void* data, size_t size) {
    return WriteBytes(fd, std::nullopt, data, size);
}

bool CFileLayer::WriteAt(int fd, uint64_t offset, const void* data, size_t size) {
    return WriteBytes(fd, offset, data, size);
}

bool CFileLayer::Flush(int fd) {
    return !Injected(Kind::Flush, fd) && fdatasync(fd) == 0;
}

bool CFileLayer::FlushFile(const std::string& path) {
    const CFileDescriptor fd = OpenRegularFile(path, O_RDONLY);
    return fd.IsOpen() && Flush(fd.Get());
}

bool CFileLayer::FlushDirectoryOf(const std::string& path) {
    const CFileDescriptor fd(open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // Some file systems cannot flush a directory; what they keep is then up to them.
    return fd.IsOpen() && (Injected(Kind::FlushDirectory, path) ? false : fsync(fd.Get()) == 0 || errno == EINVAL);
}

bool CFileLayer::Rename(const std::string& from, const std::string& to) {
    return !Injected(Kind::Rename, to) && rename(from.c_str(), to.c_str()) == 0;
}

bool CFileLayer::Link(const std::string& from, const std::string& to) {
    if (Injected(Kind::Link, to)) {
        return false;
    }
    if (g_withoutHardLinks) {
        errno = EPERM;
        return false;
    }
    return link(from.c_str(), to.c_str()) == 0;
}

bool CFileLayer::RenameNoReplace(const std::string& from, const std::string& to) {
    if (Injected(Kind::Rename, to)) {
        return false;
    }
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // The name is taken first, so that no file that appears meanwhile is replaced.
    const CFileDescriptor taken(open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!taken.IsOpen()) {
        return false;
    }
    if (rename(from.c_str(), to.c_str()) != 0) {
        const int error = errno;
        unlink(to.c_str());
        errno = error;
        return false;
    }
    return true;
}

bool CFileLayer::Remove(const std::string& path) {
    return !Injected(Kind::Remove, path) && (unlink(path.c_str()) == 0 || errno == ENOENT);
}

bool CFileLayer::Replace(const std::string& name, const std::function<bool(int fd)>& write) {
    // A file kept behind a symbolic link (a dotfile manager's) is replaced there; the link stays.
    const std::string path = FollowLinks(name);
    const std::string temporary = WriteTemporaryBeside(path, write);
    if (temporary.empty()) {
        return false;
    }
    if (!Rename(temporary, path)) {
        const int error = errno;
        unlink(temporary.c_str());
        errno = error;
        return false;
    }
    return FlushDirectoryOf(path);
}

bool CFileLayer::Replace(const std::string& path, std::string_view text) {
    return Replace(path, [text](int fd) { return WriteAll(fd, text.data(), text.size()); });
}

bool CFileLayer::ReplaceThroughStream(const std::string& path, const std::function<bool(std::FILE*)>& write) {
    const auto throughStream = [&write](int fd) {
        std::FILE* stream = Injected(Kind::Write, fd) ? nullptr : fdopen(dup(fd), "wb");
        if (stream == nullptr) {
            return false;
        }
        const bool written = write(stream) && std::fflush(stream) == 0 && !std::ferror(stream);
        return std::fclose(stream) == 0 && written;
    };
    // /dev/stdout names this program's own output, which a shell may have sent to a file it goes on
    // writing: written where it stands, never replaced.
    if (const std::optional<int> descriptor = OpenDescriptorNamed(path)) {
        return throughStream(*descriptor);
    }
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        // A FIFO without a reader fails (ENXIO) instead of waiting for one.
        const CFileDescriptor fd(open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        return fd.IsOpen() && fcntl(fd.Get(), F_SETFL, 0) == 0 && throughStream(fd.Get());
    }
    return Replace(path, throughStream);
}

bool CFileLayer::ReplaceByName(const std::string& name, const std::function<bool(const std::string& file)>& write) {
    const std::string path = FollowLinks(name);
    struct stat info {};
    if (OpenDescriptorNamed(name) || (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))) {
        return write(name);
    }
    std::string temporary;
    const bool made = OpenTemporaryBeside(path, temporary).IsOpen();
    if (made && write(temporary) && FlushFile(temporary) && Rename(temporary, path)) {
        return FlushDirectoryOf(path);
    }
    const int error = errno;
    unlink(temporary.c_str());
    errno = error;
    return false;
}

bool CFileLayer::Create(const std::string& path, std::string_view text) {
    const std::string temporary =
        WriteTemporaryBeside(path, [text](int fd) { return WriteAll(fd, text.data(), text.size()); });
    if (temporary.empty()) {
        return false;
    }
    const bool linked = Link(temporary, path) || (errno != EEXIST && RenameNoReplace(temporary, path));
    const int error = errno;
    unlink(temporary.c_str()); // gone already when it was renamed
    errno = error;
    return linked && FlushDirectoryOf(path);
}

std::string CFileLayer::MoveAside(const std::string& path, const std::string& suffix) {
    for (int n = 1; n < 100; ++n) {
        const std::string aside = path + suffix + (n == 1 ? std::string() : "-" + std::to_string(n));
        if (Link(path, aside)) {
            // Under both names is better than under none: the old name stays when it cannot go.
            return Remove(path) && FlushDirectoryOf(path) ? aside : std::string();
        }
        // No hard links here (FAT, SMB), or a folder in a file's place.
        if (errno != EEXIST && RenameNoReplace(path, aside)) {
            return FlushDirectoryOf(path) ? aside : std::string();
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

void CFileLayer::FailOperation(unsigned n, int error) {
    ReadFaultFromEnvironment();
    g_operations = 0;
    g_failAt = n;
    g_error = error;
}

unsigned CFileLayer::CountOperations() {
    return g_operations;
}

void CFileLayer::WithoutHardLinks(bool without) {
    g_withoutHardLinks = without;
}

void CFileLayer::FrozenFolder(bool frozen) {
    ReadFaultFromEnvironment();
    g_frozenFolder = frozen;
}

bool CFileLayer::MayCreateFiles() {
    ReadFaultFromEnvironment();
    if (g_frozenFolder) {
        errno = EACCES;
        return false;
    }
    return true;
}

void CFileLayer::RecordOperations() {
    const std::lock_guard lock(g_recordMutex);
    g_recorded.clear();
    g_recording = true;
}

std::vector<CFileLayer::Operation> CFileLayer::TakeRecordedOperations() {
    const std::lock_guard lock(g_recordMutex);
    g_recording = false;
    return std::exchange(g_recorded, {});
}
