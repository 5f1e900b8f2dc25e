#include "support/PrivateSessionBus.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace {

size_t EntriesIn(const std::string& directory) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(directory), {}));
}

// A long simulation into the data folder, stopped halfway by the session's end or the user: the
// real fernzahl-cli leaves nothing behind that a later start could take for a connection.
TEST(MeterInterruption, StoppedSimulationWritesNothing) {
    for (const int signal : {SIGTERM, SIGINT}) {
        CTempDir home;
        CTempDir scratch;
        const ProcessEnvironment env{.set = {{"FERNZAHL_HOME", home.Path()}, {"TMPDIR", scratch.Path()}}};
        CChildProcess meter({BinaryPath("fernzahl-cli"), "meter", "--data-dir", home.Path(), "--seconds", "2147483646"},
                            env, "/dev/null");
        ASSERT_TRUE(Eventually([&] { return EntriesIn(scratch.Path()) > 0 || !meter.IsRunning(); }));
        meter.Signal(signal);
        EXPECT_EQ(meter.Wait(std::chrono::seconds(30)), 128 + signal);
        for (const auto& entry : std::filesystem::directory_iterator(home.Path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "fernzahl.ini" || name == "fernzahl.lock") << name;
        }
        EXPECT_EQ(EntriesIn(scratch.Path()), 0u); // its scratch folder removed
    }
}

} // namespace
