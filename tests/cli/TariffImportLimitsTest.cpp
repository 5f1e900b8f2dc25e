#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// The real fernzahl-cli stops reading a tariff text at its limit: an endless stream or a text of
// five million zones is refused, and no tariff is written.
TEST(TariffImportLimits, AnEndlessOrHugeTextIsRefusedAtTheLimitOfATariffText) {
    CTempDir home;
    const ProcessEnvironment env{.set = {{"FERNZAHL_HOME", home.Path()}}};
    const std::string cli = BinaryPath("fernzahl-cli");
    const std::vector<std::vector<std::string>> commands = {
        {cli, "tariff", "import", "/dev/zero", "Z"},
        {"/bin/sh", "-c", "yes | \"$0\" tariff import - Z", cli},
        {"/bin/sh", "-c",
         "{ echo '[weekend]'; yes '00:00-23:59 90 0.12' | head -n 5000000; } | \"$0\" tariff import - Z", cli},
    };
    for (const std::vector<std::string>& command : commands) {
        const ProcessResult result = RunProcess(command, env);
        EXPECT_EQ(result.exitCode, 1) << command.back() << ": " << result.err;
        EXPECT_NE(result.err.find("is longer than the limit of a tariff text's bytes, 2097152"), std::string::npos)
            << result.err;
        EXPECT_FALSE(FileExists(home.File("Z.tff")));
    }
}

} // namespace
