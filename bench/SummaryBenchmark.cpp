// The summary of the log view's rows of 1,000,000 connections in each of its seven modes, grouped
// and ordered by the label; the budget is 100 ms a mode. And the printout of 10,000 of those rows
// into a PDF file, with its size. Run: build/bin/bench_summary

#include "BenchSupport.h"
#include "RatioReporter.h"
#include "core/StringTable.h"

#include "log/ProtokollRows.h"
#include "summary/Zusammenfassung.h"

#ifdef FERNZAHL_PDF
#include "print/PdfFile.h"
#include "print/Printouts.h"
#endif

#include <clocale>
#include <filesystem>
#include <numeric>

namespace {

const CStringTable kStrings;

const CProtokollRows& Rows() {
    static const CProtokollRows rows = [] {
        CProtokollRows read;
        read.Read(MillionRecordLog(), nullptr, kStrings);
        return read;
    }();
    return rows;
}

void Summarize(benchmark::State& state) {
    const auto mode = static_cast<CZusammenfassung::Mode>(state.range(0));
    const CProtokollRows& rows = Rows();
    for (auto _ : state) {
        CZusammenfassung summary;
        summary.Build(mode, rows);
        const std::vector<uint32_t> order = summary.Order(CZusammenfassung::kLabel, false);
        benchmark::DoNotOptimize(order.data());
        state.counters["groups"] = static_cast<double>(summary.Size());
    }
    state.counters["rows"] = static_cast<double>(rows.Size());
}

BENCHMARK(Summarize)->DenseRange(0, CZusammenfassung::kModes - 1)->Unit(benchmark::kMillisecond)->Iterations(5);

#ifdef FERNZAHL_PDF
void PrintLogToPdf(benchmark::State& state) {
    const CProtokollRows& rows = Rows();
    std::vector<uint32_t> order(static_cast<size_t>(state.range(0)));
    std::iota(order.begin(), order.end(), 0u);
    const std::string file = BenchDirectory("print", true) + "/log.pdf";
    for (auto _ : state) {
        const bool written =
            PrintToPdf(file, [&](QPrinter& printer) { return PrintLog(printer, rows, order, BenchStrings()); });
        if (!written) {
            state.SkipWithError("the PDF file was not written");
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    state.counters["rows"] = static_cast<double>(order.size());
}

BENCHMARK(PrintLogToPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    return RunBenchmarks(argc, argv, {}, {{"Summarize/", 0.1}});
}
