#include "metering/ZaehlerFile.h"

#include "core/LittleEndian.h"

#include <bitset>
#include <filesystem>

// Offsets within the 45 data bytes (the record's offsets less the 4-byte status word).
namespace {
constexpr size_t kConnectionsAt = 0;
constexpr size_t kRecordNumberAt = 4;
constexpr size_t kDurationStatusAt = 5;
constexpr size_t kDurationAt = 9;
constexpr size_t kUnitsAt = 17;
constexpr size_t kCostsStatusAt = 21;
constexpr size_t kCostsHighAt = 25;
constexpr size_t kCostsLowAt = 29;
constexpr size_t kResetStatusAt = 33;
constexpr size_t kResetDateAt = 37;
} // namespace

void CZaehlerFile::ReadData(const uint8_t* d) {
    connections = LoadLittleEndian<int32_t>(d + kConnectionsAt);
    recordNumber = d[kRecordNumberAt];
    duration = CTimeSpan::FromFileParts(LoadLittleEndian<int32_t>(d + kDurationStatusAt),
                                        LoadLittleEndian<double>(d + kDurationAt));
    units = LoadLittleEndian<int32_t>(d + kUnitsAt);
    costs =
        CMoney::FromFileParts(LoadLittleEndian<int32_t>(d + kCostsStatusAt),
                              LoadLittleEndian<int32_t>(d + kCostsHighAt), LoadLittleEndian<uint32_t>(d + kCostsLowAt));
    resetDate = CDateTime::FromFileParts(LoadLittleEndian<int32_t>(d + kResetStatusAt),
                                         LoadLittleEndian<double>(d + kResetDateAt));
}

void CZaehlerFile::WriteData(uint8_t* d) const {
    StoreLittleEndian<int32_t>(d + kConnectionsAt, connections);
    d[kRecordNumberAt] = recordNumber;
    StoreLittleEndian<int32_t>(d + kDurationStatusAt, static_cast<int32_t>(duration.GetStatus()));
    StoreLittleEndian<double>(d + kDurationAt, duration.GetDays());
    StoreLittleEndian<int32_t>(d + kUnitsAt, units);
    StoreLittleEndian<int32_t>(d + kCostsStatusAt, static_cast<int32_t>(costs.GetStatus()));
    StoreLittleEndian<int32_t>(d + kCostsHighAt, costs.High());
    StoreLittleEndian<uint32_t>(d + kCostsLowAt, costs.Low());
    StoreLittleEndian<int32_t>(d + kResetStatusAt, static_cast<int32_t>(resetDate.GetStatus()));
    StoreLittleEndian<double>(d + kResetDateAt, resetDate.GetOleDate());
}

bool CZaehlerFile::Matches(int32_t, int32_t key2) const {
    return recordNumber == key2;
}

bool CZaehlerFile::WriteCounter(uint8_t number, const CounterState& state) {
    if (!OpenRecordFile()) {
        return false;
    }
    if (!FindFirst(0, number)) {
        AppendRecord();
    }
    duration = state.duration;
    units = state.units;
    connections = state.connections;
    resetDate = state.resetDate;
    costs = state.costs;
    recordNumber = number;
    const bool written = WriteRecord() && Flush();
    Close();
    return written;
}

bool CZaehlerFile::IsWhole() {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(GetRecordFileName(), error);
    if (error) {
        return error == std::errc::no_such_file_or_directory;
    }
    if (size % GetRecordSize() != 0 || !OpenForReading()) {
        return false;
    }
    std::bitset<kDiscount + 1> seen;
    bool whole = true;
    for (bool more = FirstValid(); more && whole; more = NextValid()) {
        whole = recordNumber <= kDiscount && !seen.test(recordNumber);
        seen.set(recordNumber <= kDiscount ? recordNumber : 0);
    }
    Close();
    return whole;
}
