#include "platform/Autostart.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

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

TEST(Autostart, AFolderThatCannotBeMadeRefusesTheEntry) {
    CTempDir dir;
    WriteFile(dir.File("file"), "");
    EXPECT_FALSE(CAutostart(dir.File("file/autostart")).Enable("/usr/bin/fernzahl"));
}

} // namespace
