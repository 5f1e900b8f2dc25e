#include "FuzzFile.h"

#include "core/MemoryDirectory.h"

#include <vector>

// In memory: a file on disk per input would make the disk, not the reader, the thing measured.
std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size) {
    static CMemoryDirectory directory;
    directory.Put(name, std::vector<uint8_t>(data, data + size));
    return directory.Path();
}
