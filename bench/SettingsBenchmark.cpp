#include "RatioReporter.h"
#include "platform/IniSettingsStore.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A settings file of many values (a hand-edited or generated one): opening it and reading a value
// must take time in proportion to the file, not to its square. Budget: 100,000 values well under a
// second.
void BM_SettingsFileOfManyValues(benchmark::State& state) {
    const std::string directory =
        std::filesystem::temp_directory_path() / ("fernzahl-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    const std::string file = directory + "/fernzahl.ini";
    std::string text = "[Optionen]\n";
    for (int64_t i = 0; i < state.range(0); ++i) {
        text += "Wert" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    }
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
    for (auto _ : state) {
        CIniSettingsStore store(file, directory);
        uint32_t sum = 0;
        for (int i = 0; i < 100; ++i) {
            sum += store.ReadSettingDword("Optionen", "Wert" + std::to_string(i * 997 % state.range(0)), 0);
        }
        benchmark::DoNotOptimize(sum);
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_SettingsFileOfManyValues)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, {}, {{"BM_SettingsFileOfManyValues/100000", 0.5}});
}
