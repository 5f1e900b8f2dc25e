#include "platform/InstalledFiles.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string CInstalledFiles::ProgramFile() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.string();
}

std::vector<std::string> CInstalledFiles::Directories() {
    std::vector<std::string> directories;
    const fs::path program = fs::path(ProgramFile()).parent_path();
    if (!program.empty()) {
        directories.push_back(program.string());
        directories.push_back((program.parent_path() / "share" / "fernzahl").string());
    }
    directories.emplace_back(FERNZAHL_INSTALL_DATADIR);
    return directories;
}

std::string CInstalledFiles::Find(const std::string& relativePath) {
    for (const std::string& directory : Directories()) {
        const fs::path candidate = fs::path(directory) / relativePath;
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) {
            return candidate.string();
        }
    }
    return {};
}
