#include "core/StringTable.h"
#include "settings/NumberInput.h"
#include "settings/SettingsCatalog.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberInput, RefusesTextWith61719AndNumbersOutOfRangeWith61714AndItsBounds) {
    const CStringTable strings = CStringTable::Parse("61714\tbetween %1 and %2\n61719\tnot a number\n");
    for (const char* text : {"", "-1", "1.5", "12a", "+3"}) {
        const CNumberInput input = CNumberInput::Check(text, 0, 600);
        EXPECT_FALSE(input.IsValid()) << text;
        EXPECT_EQ(input.Message(strings), "not a number") << text;
    }
    for (const char* text : {"0", "32", "4294967296"}) {
        const CNumberInput input = CNumberInput::Check(text, 1, 31);
        EXPECT_FALSE(input.IsValid()) << text;
        EXPECT_EQ(input.Message(strings), "between 1 and 31") << text;
    }
    EXPECT_EQ(CNumberInput::Check(" 31 ", 1, 31).Value(), 31u);
    EXPECT_EQ(CNumberInput::Check("4294967295", 0, UINT32_MAX).Value(), UINT32_MAX);
}

TEST(SettingsCatalog, KnowsTheTableTheWindowsOwnValuesAndEveryAssignment) {
    const auto resetDay = CSettingsCatalog::Find("Zähler", "ResetTag");
    ASSERT_TRUE(resetDay);
    EXPECT_EQ(resetDay->minValue, 1u);
    EXPECT_EQ(resetDay->maxValue, 31u);
    EXPECT_EQ(CSettingsCatalog::Find("Überwachung", "Modem")->maxValue, 1u);
    EXPECT_EQ(CSettingsCatalog::Find("Timer", "Datei1")->kind, SettingSpec::Kind::String);
    EXPECT_EQ(CSettingsCatalog::Find("Protokoll", "MRU14")->kind, SettingSpec::Kind::String);
    EXPECT_EQ(CSettingsCatalog::Find("Zusammenfassung", "Spalte4")->kind, SettingSpec::Kind::Number);
    EXPECT_EQ(CSettingsCatalog::Find("Zuordnung", "T-Online")->kind, SettingSpec::Kind::String);
    for (auto [section, name] : {std::pair{"Protokoll", "MRU15"},
                                 {"Protokoll", "MRU01"},
                                 {"Zusammenfassung", "Spalte5"},
                                 {"Zähler", "Resettag"},
                                 {"Zahler", "ResetTag"},
                                 {"Zuordnung", ""}}) {
        EXPECT_FALSE(CSettingsCatalog::Find(section, name)) << section << " " << name;
    }
    EXPECT_EQ(CSettingsCatalog::Nearest("Zahler", "Resettag"), "Zähler ResetTag");
    EXPECT_EQ(CSettingsCatalog::Nearest("Überwachung", "Vorlauf"), "Überwachung Vorlaufzeit");
}

} // namespace
