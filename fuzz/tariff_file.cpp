// Arbitrary bytes as a tariff file: every kind of record searched and every field read.
#include "FuzzFile.h"

#include "tariffs/TarifFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string directory = WriteFuzzFile("Fuzz.tff", data, size);
    CTarifFile file(directory + "Fuzz.tff");
    if (!file.OpenRecordFile()) {
        return 0;
    }
    uint64_t sum = 0; // wraps freely: it only keeps the reads from being optimised away
    for (int32_t kind : {1024, 1025, 128, 64, 5, 65, 7, 66}) {
        for (bool more = file.FindFirst(CTarifFile::kByKind, kind); more; more = file.FindNext()) {
            sum += file.GetFirstQuarter() + file.GetLastQuarter() + file.GetSecondsPerUnit() +
                   file.GetDiscountSecondsPerUnit() + file.GetInitialPeriod() + file.GetNoDiscount() +
                   file.GetOption(CTarifFile::kFridayOwnTable) + file.GetUnitLimit() + (file.GetHolidayDate() == 0.0);
            sum += static_cast<uint64_t>(file.GetUnitPrice().GetValue()) +
                   static_cast<uint64_t>(file.GetStartCharge().GetValue()) +
                   static_cast<uint64_t>(file.GetMinimumCharge().GetValue());
        }
    }
    file.FindFirst(CTarifFile::kHolidayOfDay, 46381);
    file.Close();
    return sum == UINT64_MAX;
}
