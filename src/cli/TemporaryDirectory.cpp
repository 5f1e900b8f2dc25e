#include "cli/TemporaryDirectory.h"

#include <cstdlib>
#include <filesystem>

CTemporaryDirectory::CTemporaryDirectory() {
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "fernzahl-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        m_path = pattern + "/";
    }
}

CTemporaryDirectory::~CTemporaryDirectory() {
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}
