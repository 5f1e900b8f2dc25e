#include "platform/Autostart.h"

#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

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

// Programs in folders named in Latin-1, with a quote and a backslash, with a '%', or ending in a
// newline beside a decoy: the entry stays a valid desktop entry, and GLib starts exactly that program.
TEST(Autostart, EntryStartsExactlyTheProgramWhateverItsPath) {
    CTempDir dir;
    const auto script = [&](const std::string& path, const std::string& marker) {
        WriteFile(path, "#!/bin/sh\ntouch '" + dir.File(marker) + "'\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    };
    const std::vector<std::pair<std::string, std::string>> programs = {
        {"B\xFCro'q", "fern\\zahl"}, {"100%d off", "fernzahl"}, {"decoy", "fernzahl\n"}};
    for (const auto& [folder, name] : programs) {
        std::filesystem::create_directory(dir.File(folder));
        script(dir.File(folder + "/fernzahl"), "decoy started"); // beside it, in case the name is cut
        script(dir.File(folder + "/" + name), "started");
        const CAutostart autostart(dir.File("autostart"));
        ASSERT_TRUE(autostart.Enable(dir.File(folder + "/" + name)));
        EXPECT_EQ(RunProcess({"/usr/bin/desktop-file-validate", autostart.EntryPath()}).exitCode, 0) << folder;
        EXPECT_EQ(RunProcess({"/usr/bin/gio", "launch", autostart.EntryPath()}).exitCode, 0) << folder;
        EXPECT_TRUE(PollUntil([&] { return FileExists(dir.File("started")); }, std::chrono::seconds(5))) << folder;
        EXPECT_FALSE(FileExists(dir.File("decoy started"))) << folder;
        std::filesystem::remove(dir.File("started"));
    }
}

// The desktop's own switch-off shows as off, and the entry keeps its keys until the box is ticked.
TEST(Autostart, EntrySwitchedOffByTheDesktopIsOffAndKept) {
    CTempDir dir;
    const CAutostart autostart(dir.File("autostart"));
    for (const char* off : {"Hidden=true", "X-GNOME-Autostart-enabled=false", "X-GNOME-Autostart-enabled = 0"}) {
        ASSERT_TRUE(autostart.Enable("/usr/bin/fernzahl"));
        const std::string entry = ReadFile(autostart.EntryPath()) + "# by the desktop\n" + off + "\n";
        WriteFile(autostart.EntryPath(), entry);
        EXPECT_FALSE(autostart.IsEnabled()) << off;
        EXPECT_TRUE(autostart.Disable());
        EXPECT_EQ(ReadFile(autostart.EntryPath()), entry) << off;
        ASSERT_TRUE(autostart.Enable("/usr/bin/fernzahl"));
        EXPECT_TRUE(autostart.IsEnabled()) << off;
    }
    // Only the entry's own group counts.
    WriteFile(autostart.EntryPath(), "[Desktop Entry]\nExec=fernzahl\n[Desktop Action x]\nHidden=true\n");
    EXPECT_TRUE(autostart.IsEnabled());
}

TEST(Autostart, AFolderThatCannotBeMadeRefusesTheEntry) {
    CTempDir dir;
    WriteFile(dir.File("file"), "");
    EXPECT_FALSE(CAutostart(dir.File("file/autostart")).Enable("/usr/bin/fernzahl"));
}

} // namespace
