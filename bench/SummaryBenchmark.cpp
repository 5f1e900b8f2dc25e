// The summary of the log view's rows of 1,000,000 connections in each of its seven modes, grouped
// and ordered by the label; the budget is 100 ms a mode. Run: build/bin/bench_summary

#include "BenchSupport.h"
#include "RatioReporter.h"

#include "log/ProtokollRows.h"
#include "summary/Zusammenfassung.h"

#include <clocale>

namespace {

const CProtokollRows& Rows() {
    static const CProtokollRows rows = [] {
        CProtokollRows read;
        read.Read(MillionRecordLog(), nullptr);
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

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    return RunBenchmarks(argc, argv, {});
}
