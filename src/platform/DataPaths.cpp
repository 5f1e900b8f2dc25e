#include "platform/DataPaths.h"

#include "core/FileLayer.h"
#include "platform/UserName.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An absolute path, or nothing: the XDG rules ignore relative paths, and a folder below a relative
// HOME would depend on where the program was started.
std::optional<std::string> AbsolutePath(const std::string& path) {
    return !path.empty() && path.front() == '/' ? std::optional(path) : std::nullopt;
}

std::optional<std::string> HomeDirectory() {
    if (const std::optional<std::string> home = AbsolutePath(Environment("HOME"))) {
        return home;
    }
    // Without HOME (a service, cron, "env -i"): never a folder below the root.
    return AbsolutePath(GetHomeFromPasswordDatabase());
}

std::optional<std::string> XdgDirectory(const char* variable, const char* fallbackBelowHome) {
    if (const std::optional<std::string> value = AbsolutePath(Environment(variable))) {
        return value;
    }
    const std::optional<std::string> home = HomeDirectory();
    return home ? std::optional(*home + "/" + fallbackBelowHome) : std::nullopt;
}

std::string WithSlash(const fs::path& path) {
    std::string text = path.lexically_normal().string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

} // namespace

DataPaths DataPaths::Resolve(const std::string& dataDirOption) {
    std::string home = dataDirOption.empty() ? Environment("FERNZAHL_HOME") : dataDirOption;
    if (!home.empty()) {
        std::error_code error;
        const std::string directory = WithSlash(fs::absolute(home, error));
        return {directory, directory + "fernzahl.ini", ""};
    }
    const std::optional<std::string> data = XdgDirectory("XDG_DATA_HOME", ".local/share");
    const std::optional<std::string> config = XdgDirectory("XDG_CONFIG_HOME", ".config");
    if (!data || !config) {
        return {"", "",
                "HOME is not set, and the password database names no home folder for user " +
                    std::to_string(geteuid())};
    }
    return {WithSlash(fs::path(*data) / "fernzahl"), WithSlash(fs::path(*config) / "fernzahl") + "fernzahl.ini", ""};
}

std::optional<std::string> DataPaths::MakeDataDirectory(const std::string& dataDirectory) {
    std::error_code error;
    fs::create_directories(dataDirectory, error);
    struct stat info {};
    if (stat(dataDirectory.c_str(), &info) != 0) {
        return std::strerror(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return std::strerror(ENOTDIR);
    }
    return std::nullopt;
}

std::optional<std::string> DataPaths::CheckWritable(const std::string& dataDirectory) {
    const std::string scratch =
        (fs::path(dataDirectory) / ".fernzahl-write-check-").string() + std::to_string(getpid());
    if (!CFileLayer::Create(scratch, "fernzahl\n") || !CFileLayer::Remove(scratch)) {
        const int error = errno;
        CFileLayer::Remove(scratch); // where only the removal failed, once more
        return std::strerror(error);
    }
    return std::nullopt;
}
