#include "support/HexBytes.h"

#include "support/TempDir.h"

#include <sstream>
#include <stdexcept>

std::string DataPath(const std::string& name) {
    return std::string(FERNZAHL_SOURCE_DIR) + "/tests/data/" + name;
}

std::vector<uint8_t> LoadHexBytes(const std::string& name) {
    std::istringstream lines(ReadFile(DataPath(name)));
    std::vector<uint8_t> bytes;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream tokens(line.substr(0, line.find('#')));
        for (std::string token; tokens >> token;) {
            if (token.front() == '\'') {
                bytes.insert(bytes.end(), token.begin() + 1, token.end() - 1);
                continue;
            }
            const size_t star = token.find('*');
            const auto byte = static_cast<uint8_t>(std::stoul(token.substr(0, star), nullptr, 16));
            const size_t count = star == std::string::npos ? 1 : std::stoul(token.substr(star + 1));
            bytes.insert(bytes.end(), count, byte);
        }
    }
    if (bytes.empty()) {
        throw std::runtime_error("no golden bytes in " + name);
    }
    return bytes;
}
