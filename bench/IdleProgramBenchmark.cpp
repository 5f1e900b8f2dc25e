#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// What the kernel counts as the process's resident memory, in bytes; 0 when it is gone.
double ResidentBytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    for (double kilobytes = 0; status >> key;) {
        if (key == "VmRSS:" && status >> kilobytes) {
            return kilobytes * 1024;
        }
    }
    return 0;
}

// The desktop program beside this benchmark, started on a fresh data folder with dial-up and the
// modem line watched, nothing shown but its (offscreen) window, and measured once it has settled.
void IdleProgram(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / ("fernzahl-bench-idle-" + std::to_string(getpid()));
    fs::create_directories(folder / "home");
    fs::create_directories(folder / "sys/class/net");
    fs::create_directories(folder / "run");
    fs::permissions(folder / "run", fs::perms::owner_all);
    std::ofstream(folder / "home/fernzahl.ini")
        << "[Überwachung]\nDFÜNetzwerk=1\nModem=1\n\n[Allgemein]\nSplashScreen=0\nFirstSteps=1\n";
    const std::string program = fs::read_symlink("/proc/self/exe").parent_path() / "fernzahl";
    std::vector<std::string> settings = {"QT_QPA_PLATFORM=offscreen",
                                         "FERNZAHL_NONINTERACTIVE=1",
                                         "FERNZAHL_NM_BUS=none",
                                         "FERNZAHL_HOME=" + (folder / "home").string(),
                                         "XDG_RUNTIME_DIR=" + (folder / "run").string(),
                                         "FERNZAHL_SYSFS_ROOT=" + (folder / "sys").string()};
    std::vector<char*> environment;
    for (std::string& setting : settings) {
        environment.push_back(setting.data());
    }
    for (char** inherited = environ; *inherited != nullptr; ++inherited) {
        environment.push_back(*inherited); // after ours: the first of a name counts
    }
    environment.push_back(nullptr);
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environment.data()) != 0) {
            state.SkipWithError(("cannot start " + program).c_str());
            break;
        }
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double resident = ResidentBytes(pid);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        if (resident == 0) {
            state.SkipWithError("the program ended before it was measured");
            break;
        }
        state.counters["resident_bytes"] = resident;
    }
    fs::remove_all(folder);
}
BENCHMARK(IdleProgram)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, {}, {{"IdleProgram", 60e6, "resident_bytes"}});
}
