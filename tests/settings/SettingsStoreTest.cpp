#include "platform/IniSettingsStore.h"

#include "core/TextEncoding.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct SettingsStoreTest : ::testing::Test {
    CTempDir dir;
    CIniSettingsStore store{dir.File("fernzahl.ini"), dir.Path()};
};

// The documented defaults, written out here rather than taken from the table under test.
const std::map<std::string, uint32_t> kDocumentedDefaults = {
    {"Allgemein/KostenZuerst", 0},
    {"Allgemein/SichtbarBeiVerb", 1},
    {"Allgemein/SplashScreen", 1},
    {"Allgemein/FirstSteps", 0},
    {"Allgemein/ImmerSichtbar", 0},
    {"Allgemein/ZaehlerAnzeige", 0},
    {"Allgemein/Sprache", 0},
    {"Protokoll/AutoExport", 0},
    {"Protokoll/BeschrAbfragen", 1},
    {"Protokoll/SortierungSpalte", 0},
    {"Protokoll/SortierungAbsteigend", 0},
    {"Timer/SignalEinh", 0},
    {"Timer/AnzEinh", 5},
    {"Timer/SignalZeit", 0},
    {"Timer/Zeit", 3},
    {"Timer/SignalJedeEinh", 0},
    {"Timer/Signal20secVor", 0},
    {"Timer/MeldungBeimEnde", 1},
    {"Timer/MeldungBeimBeginn", 0},
    {"Zähler/AutoReset", 0},
    {"Zähler/ResetTag", 1},
    {"Zähler/NurBeimStart", 0},
    {"Zähler/ResetRabatt", 1},
    {"Überwachung/DFÜNetzwerk", 0},
    {"Überwachung/Modem", 0},
    {"Überwachung/Port", 1},
    {"Überwachung/Vorlaufzeit", 10},
    {"Überwachung/Toleranzzeit", 4},
    {"Zusammenfassung/SortierungSpalte", 0},
    {"Zusammenfassung/SortierungAbsteigend", 0},
    {"Zusammenfassung/DiagrammAus", 0},
    {"Zusammenfassung/DiagrammWert", 0},
    {"Budget/Limit", 0},
    {"Budget/Warnschwelle", 80},
    {"Budget/GewarntMonat", 0},
    {"Budget/Gewarnt", 0},
};

TEST_F(SettingsStoreTest, FreshStoreReadsEveryDefaultAndCreatesNothing) {
    ASSERT_EQ(Setting::kDwordSettings.size(), kDocumentedDefaults.size());
    for (const DwordSetting& s : Setting::kDwordSettings) {
        const std::string key = std::string(s.section) + "/" + s.name;
        ASSERT_EQ(kDocumentedDefaults.count(key), 1u) << key;
        EXPECT_EQ(store.Read(s), kDocumentedDefaults.at(key)) << key;
    }
    for (const StringSetting& s : Setting::kStringSettings) {
        EXPECT_EQ(store.Read(s), "");
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
