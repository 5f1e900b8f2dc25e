// Arbitrary bytes as "Fernzahl.ctr": each counter's record found, read and written back.
#include "FuzzFile.h"

#include "metering/ZaehlerFile.h"
#include "settings/Formatting.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string directory = WriteFuzzFile(CZaehlerFile::kFileName, data, size);
    CZaehlerFile file(directory);
    if (!file.OpenRecordFile()) {
        return 0;
    }
    size_t sum = 0;
    for (int32_t number = 0; number <= 5; ++number) {
        if (file.FindFirst(0, number)) {
            sum += FormatDuration(file.duration.GetDays()).size() + FormatAmount(file.costs).size() +
                   file.resetDate.Format("%x").size() + static_cast<size_t>(file.units) +
                   static_cast<size_t>(file.connections);
            file.WriteRecord();
        }
    }
    file.Close();
    return sum == SIZE_MAX;
}
