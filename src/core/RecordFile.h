#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class RecordStorage;

// A file of fixed-size records, each a 4-byte status word (0 = deleted, anything else = valid)
// followed by the subclass's data; no header. Callers open it, do one piece of work and close it.
//
// A trailing partial record (a crash or a full disk during an append) is never shown: it reads as
// absent, and the next append overwrites it from the last whole-record boundary.
class CRecordFile {
public:
    CRecordFile();
    virtual ~CRecordFile();
    CRecordFile(const CRecordFile&) = delete;
    CRecordFile& operator=(const CRecordFile&) = delete;

    // Opens for reading and writing, creating a missing file and never truncating. A file that may
    // only be read is opened for reading, and writes then fail. Positions on the first valid record.
    bool OpenRecordFile();
    // Opens for reading only, creating nothing: a missing file reads as one without records. False
    // when the file is there and cannot be read.
    bool OpenForReading();
    void Close();
    bool IsOpen() const { return m_storage != nullptr; }

    void GoToRecord(uint32_t index);
    bool IsPastEnd() const;
    bool FirstValid();
    bool NextValid();
    bool FindFirst(int32_t key1, int32_t key2);
    bool FindNext();

    // Each returns false when the record could not be written; the file is then as it was before
    // (for an append: at most an unfinished slot past the last whole record, which reads as absent).
    bool WriteRecord();
    bool AppendRecord();
    bool DeleteRecord();
    // Flushes what was written to the disk, for a record that must outlive a power cut.
    bool Flush();

    // Hands the bytes of each valid record's data, in file order, to the visitor without decoding
    // them, for walks that want only part of each record; the visitor answers false to stop.
    // False when it was stopped.
    template <class Visitor> bool ForEachValid(Visitor&& visit) {
        for (uint32_t index = 0; m_storage != nullptr && RecordOffset(index) + GetRecordSize() <= m_length; ++index) {
            const uint8_t* slot = ReadSlot(RecordOffset(index));
            if (slot == nullptr) {
                break;
            }
            if (IsValidSlot(slot) && !visit(index, slot + 4)) {
                return false;
            }
        }
        return true;
    }

    uint32_t GetStatus() const { return m_status; }
    uint32_t GetRecordIndex() const { return m_index; }
    uint32_t GetRecordCount() const;
    uint32_t GetRecordSize() const { return GetDataSize() + 4; }

protected:
    virtual uint32_t GetDataSize() const = 0;
    virtual std::string GetRecordFileName() const = 0;
    // Takes the record's data from its bytes (GetDataSize of them).
    virtual void ReadData(const uint8_t* data) = 0;
    // Puts the record's data into its bytes (GetDataSize of them, zeroed before).
    virtual void WriteData(uint8_t* data) const = 0;
    virtual bool Matches(int32_t /*key1*/, int32_t /*key2*/) const { return false; }

private:
    bool Open(std::unique_ptr<RecordStorage> storage);
    static bool IsValidSlot(const uint8_t* slot);
    // The slot's bytes inside the read window, or nullptr when they cannot be read.
    const uint8_t* ReadSlot(uint64_t offset);
    bool WriteSlot(uint64_t offset, uint32_t status);
    uint64_t RecordOffset(uint32_t index) const { return static_cast<uint64_t>(index) * GetRecordSize(); }

    std::unique_ptr<RecordStorage> m_storage;
    uint64_t m_length = 0;
    uint32_t m_status = 0;
    uint32_t m_index = 0;
    int32_t m_key1 = 0;
    int32_t m_key2 = 0;
    // Reads go through a window of the file, so a walk costs one read per 64 KiB, not per record.
    std::vector<uint8_t> m_window;
    uint64_t m_windowStart = 0;
    std::vector<uint8_t> m_slot; // the record being written
};
