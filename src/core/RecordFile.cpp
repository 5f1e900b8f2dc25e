#include "core/RecordFile.h"

#include "core/LittleEndian.h"
#include "core/MemoryDirectory.h"
#include "core/RecordStorage.h"

#include "core/FileDescriptor.h"
#include "core/FileLayer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kWindowSize = 256 * 1024;

// A file on disk, unbuffered: every write goes to the system at once.
class CDiskStorage : public RecordStorage {
public:
    CDiskStorage(CFileDescriptor fd, bool writable) : m_fd(std::move(fd)), m_writable(writable) {}

    bool IsWritable() const override { return m_writable; }
    uint64_t Length() override {
        struct stat info {};
        return fstat(m_fd.Get(), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
    }
    size_t ReadAt(uint64_t offset, uint8_t* data, size_t size) override {
        size_t done = 0;
        while (done < size) {
            const ssize_t n = pread(m_fd.Get(), data + done, size - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            done += static_cast<size_t>(n);
        }
        return done;
    }
    bool WriteAt(uint64_t offset, const uint8_t* data, size_t size) override {
        return CFileLayer::WriteAt(m_fd.Get(), offset, data, size);
    }
    bool Flush() override { return CFileLayer::Flush(m_fd.Get()); }

private:
    CFileDescriptor m_fd;
    bool m_writable;
};

// No file at all: no records, and nothing to write to.
class CAbsentStorage : public RecordStorage {
public:
    bool IsWritable() const override { return false; }
    uint64_t Length() override { return 0; }
    size_t ReadAt(uint64_t, uint8_t*, size_t) override { return 0; }
    bool WriteAt(uint64_t, const uint8_t*, size_t) override { return false; }
    bool Flush() override { return false; }
};

// Only a regular file has records; a directory or device in its place has none.
std::unique_ptr<RecordStorage> StorageOf(CFileDescriptor fd, bool writable) {
    struct stat info {};
    if (!fd.IsOpen() || fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return nullptr;
    }
    return std::make_unique<CDiskStorage>(std::move(fd), writable);
}

std::unique_ptr<RecordStorage> OpenExistingForReading(const std::string& path) {
    CFileDescriptor fd = OpenRegularFile(path, O_RDONLY);
    if (!fd.IsOpen() && errno == ENOENT) {
        return std::make_unique<CAbsentStorage>();
    }
    return StorageOf(std::move(fd), false);
}

std::unique_ptr<RecordStorage> OpenOnDisk(const std::string& path) {
    // Created when missing, never truncated; a file that may only be read is opened for reading.
    CFileDescriptor fd = OpenRegularFile(path, O_RDWR | O_CREAT, 0666);
    if (fd.IsOpen()) {
        return StorageOf(std::move(fd), true);
    }
    return StorageOf(OpenRegularFile(path, O_RDONLY), false);
}

} // namespace

CRecordFile::CRecordFile() = default;

CRecordFile::~CRecordFile() {
    Close();
}

bool CRecordFile::OpenRecordFile() {
    const std::string path = GetRecordFileName();
    return Open(CMemoryDirectory::IsInMemory(path) ? CMemoryDirectory::Open(path) : OpenOnDisk(path));
}

bool CRecordFile::OpenForReading() {
    const std::string path = GetRecordFileName();
    return Open(CMemoryDirectory::IsInMemory(path) ? CMemoryDirectory::Open(path) : OpenExistingForReading(path));
}

bool CRecordFile::Open(std::unique_ptr<RecordStorage> storage) {
    Close();
    m_storage = std::move(storage);
    if (m_storage == nullptr) {
        return false;
    }
    m_length = m_storage->Length();
    m_window.clear();
    m_slot.assign(GetRecordSize(), 0);
    m_index = 0;
    m_status = 0;
    if (m_length > 0) {
        FirstValid();
    }
    return true;
}

void CRecordFile::Close() {
    m_storage.reset();
    m_window.clear();
}

const uint8_t* CRecordFile::ReadSlot(uint64_t offset) {
    const size_t size = GetRecordSize();
    if (offset < m_windowStart || offset + size > m_windowStart + m_window.size()) {
        // A step back takes the window that ends with the slot, so that a walk from the end reads
        // each byte once; no further than the end: a small file is read whole without filling a
        // large window.
        const uint64_t start = offset < m_windowStart && offset + size > kWindowSize ? offset + size - kWindowSize
                               : offset < m_windowStart                              ? 0
                                                                                     : offset;
        m_window.resize(std::max<uint64_t>(std::min<uint64_t>(kWindowSize, m_length - start), size));
        m_window.resize(m_storage->ReadAt(start, m_window.data(), m_window.size()));
        m_windowStart = start;
        if (m_window.size() < offset - start + size) {
            return nullptr;
        }
    }
    return m_window.data() + (offset - m_windowStart);
}

void CRecordFile::GoToRecord(uint32_t index) {
    m_index = index;
    m_status = 0;
    const uint64_t offset = RecordOffset(index);
    const uint8_t* slot = m_storage != nullptr && offset + GetRecordSize() <= m_length ? ReadSlot(offset) : nullptr;
    if (slot != nullptr) {
        m_status = LoadLittleEndian<uint32_t>(slot);
        ReadData(slot + 4);
    }
}

bool CRecordFile::IsValidSlot(const uint8_t* slot) {
    return LoadLittleEndian<uint32_t>(slot) != 0;
}

bool CRecordFile::IsPastEnd() const {
    return m_length < RecordOffset(m_index) + GetRecordSize();
}

bool CRecordFile::FirstValid() {
    GoToRecord(0);
    while (m_status == 0 && !IsPastEnd()) {
        GoToRecord(m_index + 1);
    }
    return m_status != 0;
}

bool CRecordFile::NextValid() {
    if (IsPastEnd()) {
        return false;
    }
    do {
        GoToRecord(m_index + 1);
    } while (m_status == 0 && !IsPastEnd());
    return m_status != 0;
}

bool CRecordFile::FindFirst(int32_t key1, int32_t key2) {
    m_key1 = key1;
    m_key2 = key2;
    GoToRecord(0);
    if (m_status != 0 && Matches(key1, key2)) {
        return true;
    }
    return FindNext();
}

bool CRecordFile::FindNext() {
    while (NextValid()) {
        if (Matches(m_key1, m_key2)) {
            return true;
        }
    }
    return false;
}

bool CRecordFile::WriteSlot(uint64_t offset, uint32_t status) {
    if (m_storage == nullptr || !m_storage->IsWritable()) {
        return false;
    }
    std::fill(m_slot.begin(), m_slot.end(), uint8_t{0});
    StoreLittleEndian<uint32_t>(m_slot.data(), status);
    WriteData(m_slot.data() + 4);
    m_window.clear();
    const bool written = m_storage->WriteAt(offset, m_slot.data(), m_slot.size());
    if (written) {
        m_length = std::max(m_length, offset + m_slot.size());
    }
    return written;
}

bool CRecordFile::WriteRecord() {
    return WriteSlot(RecordOffset(m_index), m_status);
}

bool CRecordFile::AppendRecord() {
    m_index = static_cast<uint32_t>(m_length / GetRecordSize());
    m_status = 0;
    // Written at the last whole-record boundary, so a partial record left by a crash is overwritten.
    const bool written = WriteSlot(RecordOffset(m_index), 0);
    m_status = 1;
    return written;
}

bool CRecordFile::Flush() {
    return m_storage != nullptr && m_storage->IsWritable() && m_storage->Flush();
}

bool CRecordFile::DeleteRecord() {
    m_status = 0;
    return WriteRecord();
}

uint32_t CRecordFile::GetRecordCount() const {
    return static_cast<uint32_t>(m_length / GetRecordSize());
}
