#include "RatioReporter.h"

#include <cstdio>

void CRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
            m_seconds[run.run_name.function_name] = run.real_accumulated_time / static_cast<double>(run.iterations);
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

void CRatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const Ratio& ratio : m_ratios) {
        const auto measured = m_seconds.find(ratio.measured);
        const auto baseline = m_seconds.find(ratio.baseline);
        if (measured == m_seconds.end() || baseline == m_seconds.end() || baseline->second <= 0) {
            continue;
        }
        const double value = measured->second / baseline->second;
        std::printf("ratio %s / %s = %.2f (budget %.2f): %s\n", ratio.measured.c_str(), ratio.baseline.c_str(), value,
                    ratio.budget, value <= ratio.budget ? "within" : "OVER");
    }
}

int RunBenchmarks(int argc, char** argv, std::vector<CRatioReporter::Ratio> ratios) {
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
