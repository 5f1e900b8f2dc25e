#include "core/StringTable.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

CStringTable ShippedCatalogue() {
    return CStringTable::Parse(ReadFile(FERNZAHL_SOURCE_DIR "/resources/strings.txt"));
}

TEST(StringTable, ParsesNumberedLinesAndEscapes) {
    const CStringTable table = CStringTable::Parse("# comment\n100\tFernzahl\r\n\n173\t%1\\nStarted: %2\nbad line\n");
    EXPECT_EQ(table.Get(100), "Fernzahl");
    EXPECT_EQ(table.Get(173), "%1\nStarted: %2");
    EXPECT_EQ(table.Get(999), "");
    EXPECT_EQ(table.Size(), 2u);
}

TEST(StringTable, FillsPlaceholdersInAnyOrder) {
    EXPECT_EQ(FormatPlaceholders("%2 before %1, 100%%", {"a", "b"}), "b before a, 100%");
    EXPECT_EQ(FormatPlaceholders("%1 and %3", {"x"}), "x and %3");
    EXPECT_EQ(FormatPlaceholders("trailing %", {}), "trailing %");
}

// Every message, caption and heading the program refers to by number must be in the catalogue.
TEST(StringTable, ShippedCatalogueHoldsEveryNumberTheProgramUses) {
    const CStringTable table = ShippedCatalogue();
    const std::set<unsigned> used = {
        100, 110, 115, 116, 117, 120, 121, 170, 171, 172, 173,   174,   175,   176,   177,   180,   181,  182, 183, 190,
        220, 225, 300, 301, 302, 400, 401, 402, 403, 404, 410,   411,   412,   413,   414,   415,   416,  417, 418, 419,
        430, 431, 432, 440, 450, 455, 460, 461, 462, 457, 458,   470,   471,   475,   500,   501,   502,  503, 504, 505,
        506, 507, 508, 509, 510, 511, 512, 513, 514, 530, 531,   532,   533,   535,   536,   537,   538,  539, 540, 545,
        546, 550, 560, 570, 571, 572, 573, 574, 575, 576, 57344, 61712, 61714, 61716, 61719, 61720, 61721};
    for (unsigned id : used) {
        EXPECT_FALSE(table.Get(id).empty()) << "string " << id << " is missing";
    }
}

TEST(StringTable, ShippedFormatsTakeTheirValues) {
    const CStringTable table = ShippedCatalogue();
    const std::pair<unsigned, int> placeholders[] = {{117, 1}, {170, 2}, {171, 3},   {172, 5},  {173, 6}, {401, 1},
                                                     {403, 1}, {418, 4}, {460, 3},   {457, 1},  {458, 1}, {471, 1},
                                                     {500, 1}, {560, 1}, {61714, 2}, {61716, 1}};
    for (const auto& [id, count] : placeholders) {
        const std::string text = table.Get(id);
        for (int i = 1; i <= count; ++i) {
            EXPECT_NE(text.find("%" + std::to_string(i)), std::string::npos) << "string " << id << " lacks %" << i;
        }
    }
    // The display title of the default tariff drops the first and the last character.
    const std::string defaultTariff = table.Get(571);
    EXPECT_TRUE(defaultTariff.front() == '(' && defaultTariff.back() == ')');
}

} // namespace
