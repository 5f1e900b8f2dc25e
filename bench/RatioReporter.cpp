#include "RatioReporter.h"

#include <cstdio>

void CRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
            m_seconds[run.run_name.function_name] = run.real_accumulated_time / static_cast<double>(run.iterations);
        }
    }
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        CheckLimits(run);
    }
}

void CRatioReporter::CheckLimits(const Run& run) {
    if (run.error_occurred) {
        m_missed = true; // nothing measured is no budget kept
        std::printf("%s: %s: OVER\n", run.benchmark_name().c_str(), run.error_message.c_str());
        return;
    }
    if (run.run_type != Run::RT_Iteration || run.iterations == 0) {
        return;
    }
    const std::string name = run.benchmark_name();
    for (const Limit& limit : m_limits) {
        if (!name.starts_with(limit.measured)) {
            continue;
        }
        const auto counter = run.counters.find(limit.counter);
        if (!limit.counter.empty() && counter == run.counters.end()) {
            m_missed = true; // a budget that measures nothing would pass for ever
            std::printf("%s: no counter %s to check: OVER\n", name.c_str(), limit.counter.c_str());
            continue;
        }
        const double value = limit.counter.empty() ? run.real_accumulated_time / static_cast<double>(run.iterations)
                                                   : counter->second.value;
        const std::string unit = limit.counter.empty() ? " s" : ' ' + limit.counter;
        if (value > limit.most) {
            m_missed = true;
            std::printf("%s: %.6f%s, over its budget of %.6f%s: OVER\n", name.c_str(), value, unit.c_str(), limit.most,
                        unit.c_str());
        }
    }
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
        m_missed = m_missed || value > ratio.budget;
        std::printf("ratio %s / %s = %.2f (budget %.2f): %s\n", ratio.measured.c_str(), ratio.baseline.c_str(), value,
                    ratio.budget, value <= ratio.budget ? "within" : "OVER");
    }
}

int RunBenchmarks(int argc, char** argv, std::vector<CRatioReporter::Ratio> ratios,
                  std::vector<CRatioReporter::Limit> limits) {
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter(std::move(ratios), std::move(limits));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.HasMissedABudget() ? 1 : 0;
}
