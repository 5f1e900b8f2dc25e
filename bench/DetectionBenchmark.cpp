// One idle heartbeat (the new-day check and one poll of both connection sources) on this machine,
// and a poll while a PPP link is up, in a tree laid out like /sys, /run and /proc.
// Run: build/bin/bench_detection

#include "BenchSupport.h"
#include "RatioReporter.h"

#include "core/SilentSoundPlayer.h"
#include "detection/VerbindungsWaechter.h"
#include "metering/MeterStation.h"
#include "platform/ConnectionSources.h"
#include "platform/SystemClock.h"
#include "settings/MemorySettingsStore.h"

#include <QCoreApplication>

#include <clocale>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void Write(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

struct Heartbeat {
    explicit Heartbeat(const char* name) : dir(BenchDirectory(name, true)), settings(dir) {
        settings.Write(Setting::kDfueNetzwerk, 1);
        settings.Write(Setting::kModem, 1);
    }
    std::string dir;
    CMemorySettingsStore settings;
    CSystemClock clock;
    CSilentSoundPlayer silence;
    Services services{clock, settings, BenchStrings(), silence, "anna"};
};

void IdleHeartbeatOfThisMachine(benchmark::State& state) {
    Heartbeat beat("idle");
    const std::unique_ptr<CConnectionSources> sources = CConnectionSources::FromEnvironment();
    CMeterStation station(beat.services);
    CVerbindungsWaechter watcher(beat.services, sources->DialUp(), sources->ModemLine());
    for (auto _ : state) {
        station.CheckNewDay();
        watcher.Poll();
    }
    state.SetLabel(watcher.IsDialUpAvailable() ? "dial-up networking readable" : "no dial-up networking here");
}

void PollWithPppLinkUp(benchmark::State& state) {
    Heartbeat beat("ppp");
    const std::string root = beat.dir + "tree/";
    for (const char* name : {"lo", "eth0", "wlan0"}) {
        Write(root + "sys/class/net/" + name + "/uevent", std::string("INTERFACE=") + name + "\n");
    }
    Write(root + "sys/class/net/ppp0/uevent", "DEVTYPE=ppp\nINTERFACE=ppp0\n");
    Write(root + "sys/class/net/ppp0/flags", "0x1091\n");
    Write(root + "run/ppp0.pid", "4711\n");
    Write(root + "run/ppp-tonline.pid", "4711\nppp0\n");
    Write(root + "proc/4711/cmdline", std::string("/usr/sbin/pppd\0call\0tonline\0", 29));
    Write(root + "peers/tonline", "/dev/ttyS0 115200\n");
    setenv("FERNZAHL_SYSFS_ROOT", (root + "sys").c_str(), 1);
    setenv("FERNZAHL_RUN_ROOT", (root + "run").c_str(), 1);
    setenv("FERNZAHL_PROC_ROOT", (root + "proc").c_str(), 1);
    setenv("FERNZAHL_PEERS_DIR", (root + "peers").c_str(), 1);
    setenv("FERNZAHL_NM_BUS", "none", 1);
    const std::unique_ptr<CConnectionSources> sources = CConnectionSources::FromEnvironment();
    CVerbindungsWaechter watcher(beat.services, sources->DialUp(), sources->ModemLine());
    for (auto _ : state) {
        watcher.Poll();
    }
    state.SetLabel(watcher.GetConnectionName());
}

BENCHMARK(IdleHeartbeatOfThisMachine)->Unit(benchmark::kMicrosecond);
BENCHMARK(PollWithPppLinkUp)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    QCoreApplication app(argc, argv);
    return RunBenchmarks(argc, argv, {}, {{"IdleHeartbeatOfThisMachine", 100e-6}});
}
