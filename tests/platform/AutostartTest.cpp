#include "platform/Autostart.h"

#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

TEST(Autostart, EntryAppearsWithTheQuotedProgramAndGoesAgain) {
    CTempDir dir;
    const CAutostart autostart(dir.File("autostart"));
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_TRUE(autostart.Disable()); // nothing to remove is no failure
    ASSERT_TRUE(autostart.Enable("/opt/my apps/fernzahl"));
    EXPECT_TRUE(autostart.IsEnabled());
    EXPECT_NE(ReadFile(autostart.EntryPath()).find("\nExec=\"/opt/my apps/fernzahl\"\n"), std::string::npos);
    EXPECT_TRUE(autostart.Disable());
    EXPECT_FALSE(autostart.IsEnabled());
}

TEST(Autostart, ExecArgumentEscapesForTheQuotesAndForTheKeysOwnEscaping) {
    EXPECT_EQ(CAutostart::ExecArgument("/usr/bin/fernzahl"), "\"/usr/bin/fernzahl\"");
    EXPECT_EQ(CAutostart::ExecArgument("/a\"b$c`d"), "\"/a\\\\\"b\\\\$c\\\\`d\"");
    EXPECT_EQ(CAutostart::ExecArgument("/a\\b"), "\"/a\\\\\\\\b\"");
    EXPECT_EQ(CAutostart::ExecArgument("/100%"), "\"/100%%\"");
}

// A program in a folder named in Latin-1, with a quote and a backslash: the entry stays a valid
// desktop entry, and a launcher that reads it starts exactly that program.
TEST(Autostart, EntryStartsAProgramWhosePathIsNotUtf8) {
    CTempDir dir;
    const std::string folder = dir.File("B\xFCro'q");
    std::filesystem::create_directory(folder);
    const std::string program = folder + "/fern\\zahl";
    WriteFile(program, "#!/bin/sh\ntouch '" + dir.File("started") + "'\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    const CAutostart autostart(dir.File("autostart"));
    ASSERT_TRUE(autostart.Enable(program));
    EXPECT_EQ(RunProcess({"/usr/bin/desktop-file-validate", autostart.EntryPath()}).exitCode, 0);
    EXPECT_EQ(RunProcess({"/usr/bin/gio", "launch", autostart.EntryPath()}).exitCode, 0);
    for (int i = 0; i < 500 && !FileExists(dir.File("started")); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(FileExists(dir.File("started")));
}

TEST(Autostart, AFolderThatCannotBeMadeRefusesTheEntry) {
    CTempDir dir;
    WriteFile(dir.File("file"), "");
    EXPECT_FALSE(CAutostart(dir.File("file/autostart")).Enable("/usr/bin/fernzahl"));
}

} // namespace
