#include "core/RecordFile.h"

#include "core/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace {

constexpr size_t kWindowSize = 256 * 1024;

bool SeekTo(std::FILE* file, uint64_t offset) {
    return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
}

} // namespace

CRecordFile::~CRecordFile() {
    Close();
}

bool CRecordFile::OpenRecordFile() {
    Close();
    const std::string path = GetRecordFileName();
    std::error_code error;
    // Only a regular file has records; a directory or device in its place has none.
    if (std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    // "ab" creates a missing file without truncating an existing one; "r+b" then allows writing anywhere.
    if (std::FILE* create = std::fopen(path.c_str(), "ab")) {
        std::fclose(create);
    }
    m_file = std::fopen(path.c_str(), "r+b");
    m_writable = m_file != nullptr;
    if (m_file == nullptr) {
        m_file = std::fopen(path.c_str(), "rb");
    }
    if (m_file == nullptr) {
        return false;
    }
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_length =
        SeekTo(m_file, 0) && std::fseek(m_file, 0, SEEK_END) == 0 ? static_cast<uint64_t>(std::ftell(m_file)) : 0;
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
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_window.clear();
}

const uint8_t* CRecordFile::ReadSlot(uint64_t offset) {
    const size_t size = GetRecordSize();
    if (offset < m_windowStart || offset + size > m_windowStart + m_window.size()) {
        m_window.resize(std::max(kWindowSize, size));
        if (!SeekTo(m_file, offset)) {
            m_window.clear();
            return nullptr;
        }
        m_window.resize(std::fread(m_window.data(), 1, m_window.size(), m_file));
        m_windowStart = offset;
        if (m_window.size() < size) {
            return nullptr;
        }
    }
    return m_window.data() + (offset - m_windowStart);
}

void CRecordFile::GoToRecord(uint32_t index) {
    m_index = index;
    m_status = 0;
    const uint64_t offset = RecordOffset(index);
    const uint8_t* slot = m_file != nullptr && offset + GetRecordSize() <= m_length ? ReadSlot(offset) : nullptr;
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
    if (m_file == nullptr || !m_writable) {
        return false;
    }
    std::fill(m_slot.begin(), m_slot.end(), uint8_t{0});
    StoreLittleEndian<uint32_t>(m_slot.data(), status);
    WriteData(m_slot.data() + 4);
    m_window.clear();
    const bool written = SeekTo(m_file, offset) &&
                         std::fwrite(m_slot.data(), 1, m_slot.size(), m_file) == m_slot.size() &&
                         std::fflush(m_file) == 0;
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

bool CRecordFile::DeleteRecord() {
    m_status = 0;
    return WriteRecord();
}

uint32_t CRecordFile::GetRecordCount() const {
    return static_cast<uint32_t>(m_length / GetRecordSize());
}
