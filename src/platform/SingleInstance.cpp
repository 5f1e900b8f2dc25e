#include "platform/SingleInstance.h"

#include "core/FileDescriptor.h"
#include "core/FileLayer.h"
#include "platform/InstalledFiles.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

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

const char* PurposeName(CSingleInstance::Purpose purpose) {
    switch (purpose) {
    case CSingleInstance::Purpose::Meter:
        return "run";
    case CSingleInstance::Purpose::Simulation:
        return "meter";
    case CSingleInstance::Purpose::Window:
        break;
    }
    return "window";
}

// The processes holding an flock on the file, as the kernel lists them: a lock file may name a
// process long gone, or none at all when another program took the lock. Those on the file's own
// device come first; some file systems (btrfs) show the file under another device number.
std::vector<pid_t> FlockHolders(const std::string& path) {
    struct stat info {};
    std::string text;
    if (stat(path.c_str(), &info) != 0 || !ReadWholeFile("/proc/locks", text)) {
        return {};
    }
    char device[32];
    std::snprintf(device, sizeof device, "%02x:%02x", major(info.st_dev), minor(info.st_dev));
    const std::string inode = ":" + std::to_string(info.st_ino);
    std::vector<pid_t> holders;
    size_t onDevice = 0;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        // "1: FLOCK  ADVISORY  WRITE 4711 08:02:131074 0 EOF"; a waiter has "->" before FLOCK.
        std::istringstream words(line);
        std::string number, type, advisory, access, file;
        pid_t pid = 0;
        if (words >> number >> type >> advisory >> access >> pid >> file && type == "FLOCK" &&
            file.size() > inode.size() && file.ends_with(inode)) {
            const bool sameDevice = file == device + inode;
            holders.insert(holders.begin() + static_cast<std::ptrdiff_t>(sameDevice ? onDevice++ : holders.size()),
                           pid);
        }
    }
    return holders;
}

// The program file of a process; where that cannot be read (another user's), its name.
std::string ProgramOf(pid_t pid) {
    const std::string process = "/proc/" + std::to_string(pid);
    std::error_code error;
    const std::string program = std::filesystem::read_symlink(process + "/exe", error).string();
    if (!error) {
        return program;
    }
    std::string name;
    ReadWholeFile(process + "/comm", name);
    while (!name.empty() && name.back() == '\n') {
        name.pop_back();
    }
    return name;
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

CSingleInstance::Result CSingleInstance::Acquire(const std::string& dataDirectory, Purpose purpose) {
    const std::string path = LockFilePath(dataDirectory);
    const Result result = path.empty() ? Result::Unavailable : Lock(path, purpose, m_lock);
    if (result == Result::HeldByAnother) {
        return result;
    }
    // Also in the folder itself, where every caller finds it, whatever runtime directory it has
    // (a login without one, cron, su).
    std::error_code error;
    std::filesystem::create_directories(dataDirectory, error);
    const Result inFolder =
        Lock((std::filesystem::path(dataDirectory) / kFallbackName).string(), purpose, m_folderLock);
    if (inFolder == Result::HeldByAnother) {
        m_lock = CFileDescriptor();
    }
    return inFolder == Result::Unavailable ? result : inFolder;
}

CSingleInstance::Result CSingleInstance::Lock(const std::string& path, Purpose purpose, CFileDescriptor& lock) {
    CFileDescriptor fd = OpenRegularFile(path, O_RDWR | O_CREAT, 0600);
    if (!fd.IsOpen()) {
        // A lock file that is there but cannot be taken (a pipe or folder in its place, another
        // user's file) may be another meter's: no second one starts beside it.
        struct stat info {};
        if (lstat(path.c_str(), &info) == 0) {
            m_heldPath = path;
            return Result::HeldByAnother;
        }
        return Result::Unavailable;
    }
    if (flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) {
            return Result::Unavailable;
        }
        m_heldPath = path;
        return Result::HeldByAnother;
    }
    // Who holds it and why, for a second start that asks to be shown.
    const std::string holder = std::to_string(getpid()) + " " + PurposeName(purpose) + "\n";
    if (ftruncate(fd.Get(), 0) == 0) {
        CFileLayer::WriteAt(fd.Get(), 0, holder.data(), holder.size());
    }
    lock = std::move(fd);
    return Result::Acquired;
}

std::optional<CSingleInstance::Holder> CSingleInstance::FindHolder() const {
    std::string text;
    if (m_heldPath.empty()) {
        return std::nullopt;
    }
    ReadWholeFile(m_heldPath, text);
    std::istringstream words(text);
    pid_t named = 0;
    std::string purpose;
    words >> named >> purpose;
    const std::vector<pid_t> holders = FlockHolders(m_heldPath);
    const bool fileIsTrue = holders.empty() || std::find(holders.begin(), holders.end(), named) != holders.end();
    const pid_t pid = fileIsTrue ? named : holders.front();
    const std::string program = pid > 0 ? ProgramOf(pid) : std::string();
    if (program.empty()) {
        return std::nullopt;
    }
    return Holder{pid, program,
                  Classify(program, fileIsTrue ? purpose : std::string(), CInstalledFiles::ProgramFile())};
}

CSingleInstance::Holder::Kind CSingleInstance::Classify(const std::string& program, const std::string& purpose,
                                                        const std::string& ownProgram) {
    using Kind = Holder::Kind;
    static const std::string kReplaced = " (deleted)";
    const bool replaced = program.ends_with(kReplaced);
    const std::string name =
        std::filesystem::path(replaced ? program.substr(0, program.size() - kReplaced.size()) : program)
            .filename()
            .string();
    if (name == "fernzahl-cli") {
        return purpose == PurposeName(Purpose::Simulation) ? Kind::Simulation : Kind::HeadlessMeter;
    }
    if (program == ownProgram) {
        return Kind::ThisProgram;
    }
    if (name != "fernzahl") {
        return Kind::OtherProgram;
    }
    return replaced ? Kind::ReplacedProgram : Kind::OtherCopy;
}

std::string CSingleInstance::DescribeHolder() const {
    const std::optional<Holder> holder = FindHolder();
    return holder ? DescribeProcess(holder->pid) : "another program, through " + m_heldPath;
}

namespace {

// Who holds either lock file of a data directory.
std::vector<pid_t> FolderLockHolders(const std::string& dataDirectory) {
    std::vector<pid_t> holders;
    const std::string runtimeLock = CSingleInstance::LockFilePath(dataDirectory);
    for (const std::string& path :
         {runtimeLock, (std::filesystem::path(dataDirectory) / CSingleInstance::kFallbackName).string()}) {
        if (!path.empty()) {
            const std::vector<pid_t> more = FlockHolders(path);
            holders.insert(holders.end(), more.begin(), more.end());
        }
    }
    return holders;
}

} // namespace

bool CSingleInstance::HoldsFolder(const std::string& dataDirectory, int pid) {
    const std::vector<pid_t> holders = FolderLockHolders(dataDirectory);
    return pid > 0 && std::find(holders.begin(), holders.end(), pid) != holders.end();
}

std::optional<int> CSingleInstance::FolderHolder(const std::string& dataDirectory) {
    const std::vector<pid_t> holders = FolderLockHolders(dataDirectory);
    return holders.empty() ? std::nullopt : std::optional<int>(holders.front());
}

std::string CSingleInstance::DescribeProcess(int pid) {
    const std::string program = ProgramOf(pid);
    return (program.empty() ? std::string("a process") : program) + " (process " + std::to_string(pid) + ")";
}

bool CSingleInstance::AskHolderToShow() const {
    const std::optional<Holder> holder = FindHolder();
    // Only this program knows what the signal means; to any other it would be the end.
    return holder && holder->kind == Holder::Kind::ThisProgram && kill(holder->pid, SIGUSR1) == 0;
}
