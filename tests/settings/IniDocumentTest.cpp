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

// Names and paths are bytes: a Latin-1 folder, a pppd name with a control byte. What is written
// reads back the same, and the file stays a sound UTF-8 text.
TEST(IniDocument, AnyBytesInNamesAndValuesComeBackTheSame) {
    const std::string latin1 = "/home/u/B\xFCro/klingel.wav";
    const std::string control = std::string("a\x01") + '\0' + "b\x7F\xC3";
    CIniDocument doc;
    doc.Set("Zähler", "ResetTag", SettingValue::Number(15));
    doc.Set("Timer", "Datei1", SettingValue::String(latin1));
    doc.Set("Zuordnung", control, SettingValue::String(control + "Grüße"));
    doc.Set("S\xE4k]\"", "x", SettingValue::Number(1));
    const std::string text = doc.ToText();
    const CIniDocument back = CIniDocument::Parse(text);
    ASSERT_EQ(back.GetDamagedLine(), 0) << text;
    EXPECT_NE(text.find("B\\xFCro"), std::string::npos) << text;
    EXPECT_NE(text.find("Grüße"), std::string::npos) << text;
    EXPECT_EQ(*back.Find("Zähler", "ResetTag"), SettingValue::Number(15));
    EXPECT_EQ(*back.Find("Timer", "Datei1"), SettingValue::String(latin1));
    EXPECT_EQ(*back.Find("Zuordnung", control), SettingValue::String(control + "Grüße"));
    EXPECT_EQ(back.Sections(), doc.Sections());
    // Files written before: a backslash before another letter stands for the letter.
    const CIniDocument old = CIniDocument::Parse("[Timer]\nDatei1=\"C:\\Sounds\\x.wav \\q \\xZ1\"\n");
    EXPECT_EQ(*old.Find("Timer", "Datei1"), SettingValue::String("C:Soundsx.wav q xZ1"));
}

TEST(IniDocument, ReadsHandWrittenFiles) {
    const CIniDocument doc = CIniDocument::Parse("\xEF\xBB\xBF; comment\r\n"
                                                 "[Timer]\r\n"
                                                 "  AnzEinh = 7  \n"
                                                 "Datei1 = /tmp/ring.wav\n"
                                                 "\tNegative=-1\n"
                                                 "# comment\n"
                                                 "TooLarge=4294967296\n"
                                                 "AnzEinh=9\n"
                                                 "[Empty]\n");
    EXPECT_EQ(doc.GetDamagedLine(), 0);
    EXPECT_EQ(*doc.Find("Timer", "AnzEinh"), SettingValue::Number(9));
    EXPECT_EQ(*doc.Find("Timer", "Datei1"), SettingValue::String("/tmp/ring.wav"));
    EXPECT_EQ(*doc.Find("Timer", "Negative"), SettingValue::Number(0xFFFFFFFFu));
    EXPECT_EQ(*doc.Find("Timer", "TooLarge"), SettingValue::String("4294967296"));
    ASSERT_NE(doc.FindSection("Empty"), nullptr);
    EXPECT_TRUE(doc.FindSection("Empty")->empty());
    EXPECT_EQ(doc.Sections().size(), 2u);
}

// Each text is damaged in its third line: a save would lose that line.
TEST(IniDocument, LinesThatCannotBeReadAreDamage) {
    const std::vector<std::string> damages = {
        "no equals sign",        "Datei1=\"open quote",    "Datei1=\"closed\" and more",
        "\"Name\" but no value", std::string("Nul=\0", 6), "Bell=\a",
        "Latin1=K\xF6ln",        "[Timer] ; a comment"};
    for (const std::string& damage : damages) {
        const std::string text = "[Timer]\nAnzEinh=7\n" + damage + "\nZeit=3\n";
        EXPECT_EQ(CIniDocument::Parse(text).GetDamagedLine(), 3) << damage;
    }
    EXPECT_EQ(CIniDocument::Parse("; first\nstray=1\n[Timer]\n").GetDamagedLine(), 2);
    EXPECT_EQ(CIniDocument::Parse("[Zähler]\nName=\"K\xC3\xB6ln \xEF\xBF\xBD\"\n").GetDamagedLine(), 0);
}

} // namespace
