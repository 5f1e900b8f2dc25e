#include "BenchSupport.h"

#include "log/ProtokollFile.h"
#include "platform/ResourceLibrary.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr uint32_t kRecords = 1000000;
} // namespace

std::string BenchDirectory(const std::string& name, bool fresh) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string dir = std::string(tmp ? tmp : "/tmp") + "/fernzahl-bench/" + name + "/";
    if (fresh) {
        std::filesystem::remove_all(dir);
    }
    std::filesystem::create_directories(dir);
    return dir;
}

const CStringTable& BenchStrings() {
    static const CStringTable table = [] {
        CResourceLibrary library;
        library.Load();
        return library.Strings();
    }();
    return table;
}

const std::string& MillionRecordLog() {
    static const std::string dir = [] {
        const std::string d = BenchDirectory("log", false);
        const std::string path = d + CProtokollFile::kFileName;
        std::error_code error;
        if (fs::file_size(path, error) == static_cast<uintmax_t>(kRecords) * 794u) {
            // Read once, so every benchmark finds the log in the page cache.
            std::FILE* warm = std::fopen(path.c_str(), "rb");
            std::vector<char> block(1 << 20);
            while (std::fread(block.data(), 1, block.size(), warm) > 0) {
            }
            std::fclose(warm);
            return d;
        }
        fs::remove(path, error);
        CProtokollFile log(d);
        log.OpenRecordFile();
        const char* names[] = {"T-Online", "Arcor", "Mobil Vertrag", "Uni Einwahl", "Büro"};
        CDateTime start = CDateTime::FromDate(2021, 1, 1, 8, 0, 0);
        for (uint32_t i = 0; i < kRecords; ++i) {
            log.AppendEntry();
            LogEntry& e = log.Entry();
            e.start = start;
            e.duration = CTimeSpan::FromSeconds(30 + i % 3600);
            e.costs = CMoney(1200 * (1 + i % 40));
            e.units = static_cast<int32_t>(1 + i % 40);
            e.connectionName = names[i % 5];
            e.userName = i % 3 ? "anna" : "bernd";
            e.deviceName = "ppp0";
            e.tariffName = i % 2 ? "Mobil" : "(Default tariff)";
            if (i % 97 == 0) {
                log.DeleteRecord();
            } else {
                log.WriteRecord();
            }
            start = start + CTimeSpan::FromSeconds(157);
        }
        return d;
    }();
    return dir;
}
