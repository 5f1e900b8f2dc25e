#include "platform/CanberraSoundPlayer.h"

#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// Without a sound server, and with files that cannot be played, playing returns at once and
// nothing fails: the heartbeat must never wait for a sound.
TEST(CanberraSoundPlayer, PlayingNeverBlocksAndNeverFails) {
    CTempDir dir;
    WriteFile(dir.File("broken.wav"), "RIFF not really");
    const CEnvironmentGuard noSoundServer("PULSE_SERVER", "unix:/nonexistent/pulse");
    CCanberraSoundPlayer player;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& file : {std::string(), dir.File("missing.wav"), dir.File("broken.wav")}) {
        player.Play(file);
        player.Play(file);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
