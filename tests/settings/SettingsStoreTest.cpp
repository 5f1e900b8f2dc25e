#include "platform/IniSettingsStore.h"

#include "core/TextEncoding.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct SettingsStoreTest : ::testing::Test {
    CTempDir dir;
    CIniSettingsStore store{dir.File("fernzahl.ini"), dir.Path()};
};

TEST_F(SettingsStoreTest, FreshStoreReadsEveryDefaultAndCreatesNothing) {
    for (const DwordSetting& s : Setting::kDwordSettings) {
        EXPECT_EQ(store.Read(s), s.defaultValue) << s.section << "/" << s.name;
    }
    for (const StringSetting& s : Setting::kStringSettings) {
        EXPECT_EQ(store.Read(s), s.defaultValue);
    }
    EXPECT_EQ(store.Read(Setting::kModemForAssignment), 1u);
    EXPECT_FALSE(store.OpenSettingsKey(false, "Zuordnung"));
    EXPECT_FALSE(FileExists(dir.File("fernzahl.ini")));
}

TEST_F(SettingsStoreTest, SectionExistsOnlyAfterTheFirstWrite) {
    EXPECT_TRUE(store.Write(Setting::kResetTag, 15));
    EXPECT_EQ(store.Read(Setting::kResetTag), 15u);
    EXPECT_TRUE(store.OpenSettingsKey(false, "Zähler"));
    EXPECT_FALSE(store.OpenSettingsKey(false, "Timer"));
    ASSERT_TRUE(store.OpenSettingsKey(true, "Zuordnung"));
    EXPECT_TRUE(store.OpenSettingsKey(false, "Zuordnung")->empty());
}

TEST_F(SettingsStoreTest, StringsLongerThan249CharactersReadAsTheDefault) {
    EXPECT_TRUE(store.WriteSettingString("Timer", "Datei1", std::string(249, 'a')));
    EXPECT_EQ(store.ReadSettingString("Timer", "Datei1", "dflt"), std::string(249, 'a'));
    EXPECT_TRUE(store.WriteSettingString("Timer", "Datei1", std::string(250, 'a')));
    EXPECT_EQ(store.ReadSettingString("Timer", "Datei1", "dflt"), "dflt");
    // The limit counts characters, not the bytes of their UTF-8 form.
    EXPECT_TRUE(store.WriteSettingString("Timer", "Datei2", [] {
        std::string s;
        for (int i = 0; i < 249; ++i) {
            s += "ä";
        }
        return s;
    }()));
    EXPECT_EQ(CountUtf8Characters(store.ReadSettingString("Timer", "Datei2", "")), 249u);
}

TEST_F(SettingsStoreTest, KindsConvertWhereTheReaderExpectsTheOther) {
    store.WriteSettingString("Timer", "AnzEinh", "12");
    store.WriteSettingString("Timer", "Zeit", "soon");
    store.WriteSettingDword("Timer", "Datei1", 42);
    EXPECT_EQ(store.Read(Setting::kAnzEinh), 12u);
    EXPECT_EQ(store.Read(Setting::kZeit), 3u);
    EXPECT_EQ(store.Read(Setting::kDatei1), "42");
}

TEST_F(SettingsStoreTest, EveryReadSeesTheLastWriteOfAnyStore) {
    CIniSettingsStore other(dir.File("fernzahl.ini"), dir.Path());
    EXPECT_EQ(other.Read(Setting::kAnzEinh), 5u);
    store.Write(Setting::kAnzEinh, 8);
    EXPECT_EQ(other.Read(Setting::kAnzEinh), 8u);
    other.Write(Setting::kAnzEinh, 9);
    EXPECT_EQ(store.Read(Setting::kAnzEinh), 9u);
}

} // namespace
