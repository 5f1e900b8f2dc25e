#include "core/TextEncoding.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(TextEncoding, UmlautsAndEuroRoundTripThroughWindows1252) {
    const std::string text = "Grüße aus Köln – 5 €";
    const std::string bytes = Utf8ToWindows1252(text);
    EXPECT_EQ(bytes, "Gr\xFC\xDF"
                     "e aus K\xF6ln \x96 5 \x80");
    EXPECT_EQ(Windows1252ToUtf8(bytes), text);
}

TEST(TextEncoding, CharactersWindows1252LacksBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToWindows1252("Ωmega 日本"), "?mega ??");
    EXPECT_EQ(Utf8ToWindows1252("\xF0\x9F\x93\x9E call"), "? call");
}

// Names are bytes: a peer or file named in Latin-1 keeps its bytes, which Windows-1252 reads alike.
TEST(TextEncoding, BytesThatAreNotUtf8AreKeptAsTheyAre) {
    EXPECT_EQ(Utf8ToWindows1252("B\xFCro"), "B\xFCro");
    EXPECT_EQ(Windows1252ToUtf8(Utf8ToWindows1252("B\xFCro")), "Büro");
    EXPECT_EQ(Utf8ToWindows1252("broken \xC3 end \xEF\xBF\xBD"), "broken \xC3 end ?");
}

TEST(TextEncoding, FieldIsCutToLeaveItsTerminatingNul) {
    std::array<uint8_t, 125> field{};
    field.fill(0xAA);
    WriteTextField(field.data(), field.size(), std::string(124, 'x'));
    EXPECT_EQ(field[123], 'x');
    EXPECT_EQ(field[124], 0);
    WriteTextField(field.data(), field.size(), std::string(300, 'y'));
    EXPECT_EQ(field[123], 'y');
    EXPECT_EQ(field[124], 0);
    EXPECT_EQ(ReadTextField(field.data(), field.size()), std::string(124, 'y'));
    WriteTextField(field.data(), field.size(), "ä");
    EXPECT_EQ(field[0], 0xE4);
    EXPECT_EQ(field[1], 0);
    EXPECT_EQ(field[124], 0);
}

TEST(TextEncoding, FieldWithoutNulIsReadNoFurtherThanItsEnd) {
    std::array<uint8_t, 8> memory{};
    memory.fill('z');
    memory[5] = 0;
    EXPECT_EQ(ReadTextField(memory.data(), 4), "zzzz");
    EXPECT_EQ(ReadTextField(memory.data(), 8), "zzzzz");
}

TEST(TextEncoding, CountsAndTruncatesWholeCharacters) {
    EXPECT_EQ(CountUtf8Characters("Zähler"), 6u);
    EXPECT_EQ(TruncateUtf8("Zähler", 2), "Zä");
    EXPECT_EQ(TruncateUtf8("ab", 5), "ab");
}

} // namespace
