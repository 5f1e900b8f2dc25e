#include "FuzzFile.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size) {
    static const std::string directory = [] {
        char pattern[] = "/tmp/fernzahl-fuzz-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            throw std::runtime_error("no temporary directory");
        }
        return std::string(pattern) + "/";
    }();
    const std::string path = directory + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    return directory;
}
