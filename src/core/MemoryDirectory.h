#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RecordStorage;

// A directory whose files live in memory for as long as the object: for a re-rating, which replays
// thousands of connections through the meter, and the meter keeps its state in record files. Its
// path lies below /dev/null, where no file on disk can ever be. One thread uses a directory's files.
class CMemoryDirectory {
public:
    CMemoryDirectory();
    ~CMemoryDirectory();
    CMemoryDirectory(const CMemoryDirectory&) = delete;
    CMemoryDirectory& operator=(const CMemoryDirectory&) = delete;

    // Ends in '/'.
    const std::string& Path() const { return m_path; }
    void Put(const std::string& name, std::vector<uint8_t> bytes) { m_files[name] = std::move(bytes); }
    void Remove(const std::string& name) { m_files.erase(name); }

    // Whether the path names a file in a memory directory; then Open opens it, creating a missing
    // file (nullptr when the directory is gone).
    static bool IsInMemory(std::string_view path);
    static std::unique_ptr<RecordStorage> Open(std::string_view path);
    // The bytes of a file on disk, to be Put into a memory directory; nothing when it cannot be read
    // or is longer than limit (errno EFBIG then).
    static std::optional<std::vector<uint8_t>> ReadFromDisk(const std::string& path, uint64_t limit);

private:
    std::string m_path;
    std::map<std::string, std::vector<uint8_t>, std::less<>> m_files;
};
