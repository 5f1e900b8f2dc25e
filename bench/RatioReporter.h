#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual table, then each ratio "name / baseline" of real times with its budget.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        std::string measured;
        std::string baseline;
        double budget;
    };

    explicit CRatioReporter(std::vector<Ratio> ratios) : m_ratios(std::move(ratios)) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<Ratio> m_ratios;
    std::map<std::string, double> m_seconds;
};

// Runs the registered benchmarks with the ratio report; returns the exit code.
int RunBenchmarks(int argc, char** argv, std::vector<CRatioReporter::Ratio> ratios);
