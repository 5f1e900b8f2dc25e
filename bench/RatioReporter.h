#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual table, then each ratio "name / baseline" of real times with its budget, and
// each run over the time its budget allows.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        std::string measured;
        std::string baseline;
        double budget;
    };
    // The most real time one iteration of every run whose name begins with measured may take, or,
    // with a counter named, the most that counter may show.
    struct Limit {
        std::string measured;
        double most;
        std::string counter = {};
    };

    CRatioReporter(std::vector<Ratio> ratios, std::vector<Limit> limits)
        : m_ratios(std::move(ratios)), m_limits(std::move(limits)) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;
    // Whether a ratio or a run was over its budget.
    bool HasMissedABudget() const { return m_missed; }

private:
    void CheckLimits(const Run& run);

    std::vector<Ratio> m_ratios;
    std::vector<Limit> m_limits;
    std::map<std::string, double> m_seconds;
    bool m_missed = false;
};

// Runs the registered benchmarks with the ratio report; returns the exit code, 1 when a ratio or a
// run was over its budget.
int RunBenchmarks(int argc, char** argv, std::vector<CRatioReporter::Ratio> ratios,
                  std::vector<CRatioReporter::Limit> limits = {});
