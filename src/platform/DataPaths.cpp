#include "platform/DataPaths.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string XdgDirectory(const char* variable, const char* fallbackBelowHome) {
    const std::string value = Environment(variable);
    // The XDG rules ignore relative paths.
    if (!value.empty() && value.front() == '/') {
        return value;
    }
    return Environment("HOME") + "/" + fallbackBelowHome;
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
        return {directory, directory + "fernzahl.ini"};
    }
    return {WithSlash(fs::path(XdgDirectory("XDG_DATA_HOME", ".local/share")) / "fernzahl"),
            WithSlash(fs::path(XdgDirectory("XDG_CONFIG_HOME", ".config")) / "fernzahl") + "fernzahl.ini"};
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
