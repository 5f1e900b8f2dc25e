#include "core/MemoryDirectory.h"

#include "core/FileDescriptor.h"
#include "core/RecordStorage.h"

#include <algorithm>
#include <mutex>

namespace {

constexpr std::string_view kRoot = "/dev/null/fernzahl-memory-";

std::mutex& RegistryLock() {
    static std::mutex lock;
    return lock;
}

std::map<std::string, CMemoryDirectory*, std::less<>>& Registry() {
    static std::map<std::string, CMemoryDirectory*, std::less<>> directories;
    return directories;
}

class CMemoryStorage : public RecordStorage {
public:
    explicit CMemoryStorage(std::vector<uint8_t>& bytes) : m_bytes(bytes) {}

    bool IsWritable() const override { return true; }
    uint64_t Length() override { return m_bytes.size(); }
    size_t ReadAt(uint64_t offset, uint8_t* data, size_t size) override {
        const size_t count = offset < m_bytes.size() ? std::min<size_t>(size, m_bytes.size() - offset) : 0;
        std::copy_n(m_bytes.data() + offset, count, data);
        return count;
    }
    bool WriteAt(uint64_t offset, const uint8_t* data, size_t size) override {
        if (m_bytes.size() < offset + size) {
            m_bytes.resize(offset + size);
        }
        std::copy_n(data, size, m_bytes.data() + offset);
        return true;
    }
    bool Flush() override { return true; }

private:
    std::vector<uint8_t>& m_bytes;
};

} // namespace

CMemoryDirectory::CMemoryDirectory() {
    static unsigned next = 0;
    const std::lock_guard<std::mutex> guard(RegistryLock());
    m_path = std::string(kRoot) + std::to_string(++next) + "/";
    Registry()[m_path] = this;
}

CMemoryDirectory::~CMemoryDirectory() {
    const std::lock_guard<std::mutex> guard(RegistryLock());
    Registry().erase(m_path);
}

bool CMemoryDirectory::IsInMemory(std::string_view path) {
    return path.starts_with(kRoot);
}

std::unique_ptr<RecordStorage> CMemoryDirectory::Open(std::string_view path) {
    const size_t slash = IsInMemory(path) ? path.find('/', kRoot.size()) : std::string_view::npos;
    if (slash == std::string_view::npos) {
        return nullptr;
    }
    CMemoryDirectory* directory = nullptr;
    {
        const std::lock_guard<std::mutex> guard(RegistryLock());
        const auto found = Registry().find(path.substr(0, slash + 1));
        directory = found == Registry().end() ? nullptr : found->second;
    }
    if (directory == nullptr) {
        return nullptr;
    }
    const std::string_view name = path.substr(slash + 1);
    auto file = directory->m_files.find(name);
    if (file == directory->m_files.end()) {
        file = directory->m_files.emplace(std::string(name), std::vector<uint8_t>()).first;
    }
    return std::make_unique<CMemoryStorage>(file->second);
}

std::optional<std::vector<uint8_t>> CMemoryDirectory::ReadFromDisk(const std::string& path, uint64_t limit) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, limit)) {
        return std::nullopt;
    }
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}
