#include "settings/IniDocument.h"

#include <gtest/gtest.h>

namespace {

TEST(IniDocument, NumbersAndStringsKeepTheirKindThroughText) {
    CIniDocument doc;
    doc.Set("Zähler", "ResetTag", SettingValue::Number(15));
    doc.Set("Timer", "Datei1", SettingValue::String("15"));
    doc.Set("Timer", "Datei2", SettingValue::String("/home/u/a \"b\"\\c\nd.wav"));
    const CIniDocument back = CIniDocument::Parse(doc.ToText());
    EXPECT_EQ(*back.Find("Zähler", "ResetTag"), SettingValue::Number(15));
    EXPECT_EQ(*back.Find("Timer", "Datei1"), SettingValue::String("15"));
    EXPECT_EQ(*back.Find("Timer", "Datei2"), SettingValue::String("/home/u/a \"b\"\\c\nd.wav"));
}

TEST(IniDocument, NamesThatCouldBeMisreadAreQuoted) {
    CIniDocument doc;
    for (const std::string name : {"My ISP = cheap", " padded ", "[bracket", ";semi", "#hash", "*", "quote\"d"}) {
        doc.Set("Zuordnung", name, SettingValue::String("Mobil"));
    }
    const CIniDocument back = CIniDocument::Parse(doc.ToText());
    ASSERT_NE(back.FindSection("Zuordnung"), nullptr);
    EXPECT_EQ(*back.FindSection("Zuordnung"), *doc.FindSection("Zuordnung"));
}

TEST(IniDocument, ReadsHandWrittenFiles) {
    const CIniDocument doc = CIniDocument::Parse("; comment\r\n"
                                                 "stray=1\n"
                                                 "[Timer]\r\n"
                                                 "  AnzEinh = 7  \n"
                                                 "Datei1 = /tmp/ring.wav\n"
                                                 "Negative=-1\n"
                                                 "TooLarge=4294967296\n"
                                                 "no equals sign\n"
                                                 "AnzEinh=9\n"
                                                 "[Empty]\n");
    EXPECT_EQ(*doc.Find("Timer", "AnzEinh"), SettingValue::Number(9));
    EXPECT_EQ(*doc.Find("Timer", "Datei1"), SettingValue::String("/tmp/ring.wav"));
    EXPECT_EQ(*doc.Find("Timer", "Negative"), SettingValue::Number(0xFFFFFFFFu));
    EXPECT_EQ(*doc.Find("Timer", "TooLarge"), SettingValue::String("4294967296"));
    EXPECT_EQ(doc.Find("Timer", "stray"), nullptr);
    ASSERT_NE(doc.FindSection("Empty"), nullptr);
    EXPECT_TRUE(doc.FindSection("Empty")->empty());
    EXPECT_EQ(doc.Sections().size(), 2u);
}

} // namespace
