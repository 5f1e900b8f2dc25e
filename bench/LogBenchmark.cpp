// The log of 1,000,000 connections (794 MB): walking it and exporting it, each against the raw
// file work of the same size. Run: build/bin/bench_log   (the log is made once in $TMPDIR).

#include "BenchSupport.h"
#include "RatioReporter.h"

#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollFilter.h"
#include "log/ProtokollRows.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const CStringTable kStrings = CStringTable::Parse("419\t(all)\n");

void ReadSequential64KiB(benchmark::State& state) {
    const std::string path = MillionRecordLog() + CProtokollFile::kFileName;
    std::vector<char> block(64 * 1024);
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        std::setvbuf(file, nullptr, _IONBF, 0);
        size_t total = 0;
        while (const size_t n = std::fread(block.data(), 1, block.size(), file)) {
            total += n;
        }
        std::fclose(file);
        benchmark::DoNotOptimize(total);
    }
}

void WalkLogReadingFields(benchmark::State& state) {
    CProtokollFile log(MillionRecordLog());
    for (auto _ : state) {
        log.OpenRecordFile();
        int64_t units = 0;
        size_t text = 0;
        for (bool more = log.FirstValid(); more; more = log.NextValid()) {
            const LogEntry& e = log.Entry();
            units += e.units + e.costs.GetValue() + static_cast<int64_t>(e.start.GetOleDate());
            text += e.connectionName.size() + e.userName.size() + e.deviceName.size() + e.tariffName.size();
        }
        log.Close();
        benchmark::DoNotOptimize(units);
        benchmark::DoNotOptimize(text);
    }
}

uintmax_t ExportSize() {
    static const uintmax_t size = [] {
        CProtokollFile log(MillionRecordLog());
        const std::string path = BenchDirectory("log", false) + "Export-size.txt";
        log.ExportText(path, nullptr, BenchStrings());
        return fs::file_size(path);
    }();
    return size;
}

void WriteSameBytes(benchmark::State& state) {
    const std::string path = BenchDirectory("log", false) + "Bytes.txt";
    const std::vector<char> block(64 * 1024, 'x');
    const uintmax_t size = ExportSize();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        for (uintmax_t written = 0; written < size; written += block.size()) {
            std::fwrite(block.data(), 1, std::min<uintmax_t>(block.size(), size - written), file);
        }
        std::fclose(file);
    }
    state.counters["bytes"] = static_cast<double>(size);
}

// The raw file work an export cannot avoid: reading the whole log and writing the export's bytes.
void ReadLogAndWriteSameBytes(benchmark::State& state) {
    const std::string in = MillionRecordLog() + CProtokollFile::kFileName;
    const std::string out = BenchDirectory("log", false) + "Bytes.txt";
    std::vector<char> block(64 * 1024, 'x');
    const uintmax_t size = ExportSize();
    for (auto _ : state) {
        std::FILE* log = std::fopen(in.c_str(), "rb");
        std::setvbuf(log, nullptr, _IONBF, 0);
        while (std::fread(block.data(), 1, block.size(), log) > 0) {
        }
        std::fclose(log);
        std::FILE* file = std::fopen(out.c_str(), "wb");
        for (uintmax_t written = 0; written < size; written += block.size()) {
            std::fwrite(block.data(), 1, std::min<uintmax_t>(block.size(), size - written), file);
        }
        std::fclose(file);
    }
}

void ExportWholeLog(benchmark::State& state) {
    CProtokollFile log(MillionRecordLog());
    const std::string path = BenchDirectory("log", false) + "Export.txt";
    ExportSize();
    for (auto _ : state) {
        log.ExportText(path, nullptr, BenchStrings());
    }
}

// What the log view does to fill itself: every record through an active filter (a fresh scan, so
// all pass), rows with interned texts, ordered by start; and its re-sort by name, a refill.
CProtokollFilter ScannedFilter() {
    CProtokollFilter filter;
    filter.Scan(MillionRecordLog(), CDateTime::FromDate(2030, 1, 1), kStrings);
    filter.SetActive(true);
    return filter;
}

void FillRows(benchmark::State& state, CProtokollRows::Column column) {
    const CProtokollFilter filter = ScannedFilter();
    for (auto _ : state) {
        CProtokollRows rows;
        rows.Read(MillionRecordLog(), &filter, kStrings);
        const std::vector<uint32_t> order = rows.Order(column, false);
        benchmark::DoNotOptimize(order.data());
        state.counters["rows"] = static_cast<double>(rows.Size());
    }
}

void FillRowsSortedByStart(benchmark::State& state) {
    FillRows(state, CProtokollRows::kStart);
}

void RefillSortedByConnection(benchmark::State& state) {
    FillRows(state, CProtokollRows::kConnection);
}

long ResidentBytes() {
    long pages = 0;
    long resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm != nullptr && std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
        resident = 0;
    }
    if (statm != nullptr) {
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// The resident memory the rows and their order add, per row.
void MemoryOfRows(benchmark::State& state) {
    const CProtokollFilter filter = ScannedFilter();
    for (auto _ : state) {
        const long before = ResidentBytes();
        CProtokollRows rows;
        rows.Read(MillionRecordLog(), &filter, kStrings);
        const std::vector<uint32_t> order = rows.Order(CProtokollRows::kStart, false);
        state.counters["bytes_per_row"] = static_cast<double>(ResidentBytes() - before) / rows.Size();
    }
}

BENCHMARK(MemoryOfRows)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(FillRowsSortedByStart)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(RefillSortedByConnection)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ReadSequential64KiB)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WalkLogReadingFields)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WriteSameBytes)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ReadLogAndWriteSameBytes)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ExportWholeLog)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    return RunBenchmarks(argc, argv,
                         {{"WalkLogReadingFields", "ReadSequential64KiB", 2.0},
                          {"ExportWholeLog", "WriteSameBytes", 2.0},
                          {"ExportWholeLog", "ReadLogAndWriteSameBytes", 2.0},
                          {"FillRowsSortedByStart", "ReadSequential64KiB", 2.0},
                          {"RefillSortedByConnection", "ReadSequential64KiB", 2.0}},
                         // The log view's rows of a log with few distinct names, its texts interned.
                         {{"MemoryOfRows", 100.0, "bytes_per_row"}});
}
