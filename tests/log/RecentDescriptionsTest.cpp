#include "log/RecentDescriptions.h"
#include "settings/MemorySettingsStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct RecentDescriptionsTest : ::testing::Test {
    CTempDir dir;
    CMemorySettingsStore settings{dir.Path()};

    void Remember(std::vector<std::string> texts) {
        for (size_t i = 0; i < texts.size(); ++i) {
            settings.WriteSettingString("Protokoll", "MRU" + std::to_string(i), texts[i]);
        }
    }
    std::string Confirm(const std::string& text) {
        CRecentDescriptions recent = CRecentDescriptions::Read(settings);
        recent.Confirm(text);
        recent.Write(settings);
        return text;
    }
    std::string Stored(unsigned i) { return settings.ReadSettingString("Protokoll", "MRU" + std::to_string(i), "-"); }
};

TEST_F(RecentDescriptionsTest, ConfirmedTextMovesToTheFrontWithoutDuplicate) {
    Remember({"a", "b", "c"});
    Confirm("c");
    EXPECT_EQ(Stored(0), "c");
    EXPECT_EQ(Stored(1), "a");
    EXPECT_EQ(Stored(2), "b");
    EXPECT_EQ(Stored(3), "-");
}

TEST_F(RecentDescriptionsTest, FullListDropsItsOldestEntry) {
    std::vector<std::string> texts;
    for (int i = 0; i < 15; ++i) {
        texts.push_back("d" + std::to_string(i));
    }
    Remember(texts);
    Confirm("new");
    EXPECT_EQ(Stored(0), "new");
    EXPECT_EQ(Stored(14), "d13");
    EXPECT_EQ(Stored(15), "-");
}

TEST_F(RecentDescriptionsTest, EmptyAnswerIsRememberedButNotOffered) {
    Remember({"a"});
    Confirm("");
    EXPECT_EQ(Stored(0), "");
    EXPECT_EQ(CRecentDescriptions::Read(settings).Offered(), (std::vector<std::string>{"a"}));
    Confirm("a");
    EXPECT_EQ(CRecentDescriptions::Read(settings).Offered(), (std::vector<std::string>{"a"}))
        << "after an empty answer, no stale entry is left behind";
}

} // namespace
