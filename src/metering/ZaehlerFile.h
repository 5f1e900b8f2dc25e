#pragma once

#include "core/DateTime.h"
#include "core/Money.h"
#include "core/RecordFile.h"
#include "core/TimeSpan.h"
#include "metering/CounterState.h"

#include <string>

// The counter file "Fernzahl.ctr": one 49-byte record per counter, found by its record number
// (0 daily, 1 weekly, 2 monthly, 3 total, 4 the discount counter).
class CZaehlerFile : public CRecordFile {
public:
    static constexpr uint32_t kDataSize = 45;
    static constexpr const char* kFileName = "Fernzahl.ctr";

    enum RecordNumber : uint8_t { kDaily = 0, kWeekly = 1, kMonthly = 2, kTotal = 3, kDiscount = 4 };

    explicit CZaehlerFile(std::string programDirectory) : m_directory(std::move(programDirectory)) {}

    // FindFirst(0, record number) finds a counter's record.
    CDateTime resetDate;
    int32_t units = 0;
    CMoney costs;
    int32_t connections = 0;
    CTimeSpan duration;
    uint8_t recordNumber = 0;

    // Opens the file, finds the counter's record (appending one when missing), writes the state into
    // it and closes the file again. False when it could not be written.
    bool WriteCounter(uint8_t number, const CounterState& state);
    // Whether the file is as the program writes it: whole records, each of one of the five counters,
    // none twice. A missing file is whole (no counter stored yet). Opens and closes the file.
    bool IsWhole();
    // The counter of the record found last.
    CounterState State() const { return {duration, units, connections, costs, resetDate}; }

protected:
    uint32_t GetDataSize() const override { return kDataSize; }
    std::string GetRecordFileName() const override { return m_directory + kFileName; }
    void ReadData(const uint8_t* data) override;
    void WriteData(uint8_t* data) const override;
    bool Matches(int32_t key1, int32_t key2) const override;

private:
    std::string m_directory;
};
