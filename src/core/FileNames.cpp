#include "core/FileNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::optional<std::string> FindFileNoCase(const std::string& directory, const std::string& name) {
    std::error_code error;
    const fs::path exact = fs::path(directory) / name;
    if (fs::is_regular_file(exact, error)) {
        return exact.string();
    }
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        if (EqualsNoCase(it->path().filename().string(), name) && it->is_regular_file(error)) {
            return it->path().string();
        }
    }
    return std::nullopt;
}

std::vector<std::string> ListFilesWithExtension(const std::string& directory, const std::string& extension) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > extension.size() && EqualsNoCase(name.substr(name.size() - extension.size()), extension) &&
            it->is_regular_file(error)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
