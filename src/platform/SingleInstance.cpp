#include "platform/SingleInstance.h"

#include "core/FileLayer.h"

#include <cerrno>
#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string RuntimeDirectory() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg == '/') {
        return xdg;
    }
    const std::string fallback = "/tmp/fernzahl-" + std::to_string(getuid());
    mkdir(fallback.c_str(), 0700);
    struct stat info {};
    // Refuse a directory that someone else made in the shared /tmp.
    if (lstat(fallback.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        return "";
    }
    return fallback;
}

uint64_t Fnv1a(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

// Every name of one folder (through a symbolic link, with "..", with or without a last '/') gives
// the same text; a folder not made yet, the same as it will have.
std::string ResolvedFolder(const std::string& folder) {
    std::error_code error;
    std::string resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(folder, error), error).string();
    if (error) {
        resolved = folder;
    }
    while (resolved.size() > 1 && resolved.back() == '/') {
        resolved.pop_back();
    }
    return resolved;
}

} // namespace

std::string CSingleInstance::FolderKey(const std::string& dataDirectory) {
    char key[20];
    std::snprintf(key, sizeof key, "%016" PRIx64, Fnv1a(ResolvedFolder(dataDirectory)));
    return key;
}

std::string CSingleInstance::LockFilePath(const std::string& dataDirectory) {
    const std::string directory = RuntimeDirectory();
    return directory.empty() ? "" : directory + "/fernzahl-" + FolderKey(dataDirectory) + ".lock";
}

CSingleInstance::Result CSingleInstance::Acquire(const std::string& dataDirectory) {
    const std::string path = LockFilePath(dataDirectory);
    const Result result = path.empty() ? Result::Unavailable : Lock(path, m_lock);
    if (result == Result::HeldByAnother) {
        return result;
    }
    // Also in the folder itself, where every caller finds it, whatever runtime directory it has
    // (a login without one, cron, su).
    std::error_code error;
    std::filesystem::create_directories(dataDirectory, error);
    const Result inFolder = Lock((std::filesystem::path(dataDirectory) / kFallbackName).string(), m_folderLock);
    if (inFolder == Result::HeldByAnother) {
        m_lock = CFileDescriptor();
    }
    return inFolder == Result::Unavailable ? result : inFolder;
}

CSingleInstance::Result CSingleInstance::Lock(const std::string& path, CFileDescriptor& lock) {
    CFileDescriptor fd(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!fd.IsOpen()) {
        return Result::Unavailable;
    }
    if (flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) {
            return Result::Unavailable;
        }
        m_heldPath = path;
        return Result::HeldByAnother;
    }
    // Who holds it, for a second start that asks to be shown.
    const std::string pid = std::to_string(getpid()) + "\n";
    if (ftruncate(fd.Get(), 0) == 0) {
        CFileLayer::WriteAt(fd.Get(), 0, pid.data(), pid.size());
    }
    lock = std::move(fd);
    return Result::Acquired;
}

std::optional<CSingleInstance::Holder> CSingleInstance::FindHolder() const {
    std::string text;
    if (m_heldPath.empty() || !ReadWholeFile(m_heldPath, text)) {
        return std::nullopt;
    }
    const pid_t pid = static_cast<pid_t>(std::atoi(text.c_str()));
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/exe", error);
    if (pid <= 0 || error) {
        return std::nullopt;
    }
    return Holder{pid, program.string()};
}

std::string CSingleInstance::DescribeHolder() const {
    const std::optional<Holder> holder = FindHolder();
    return holder ? holder->program + " (process " + std::to_string(holder->pid) + ")" : "another program";
}

bool CSingleInstance::AskHolderToShow() const {
    const std::optional<Holder> holder = FindHolder();
    // Only this program knows what the signal means; to any other it would be the end.
    std::error_code error;
    return holder && holder->program == std::filesystem::read_symlink("/proc/self/exe", error).string() && !error &&
           kill(holder->pid, SIGUSR1) == 0;
}
