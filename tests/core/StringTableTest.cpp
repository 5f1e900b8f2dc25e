#include "core/StringTable.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

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

// A text with a count keeps its form for one apart from the one for other counts, as Qt's numerus
// forms do; the shipped texts with a count read "1 connection".
TEST(StringTable, ATextWithACountTakesTheFormForOneOnlyForOne) {
    const CStringTable table = CStringTable::Parse("1\t%1 Verbindung\\|%1 Verbindungen\n2\t%1 Mal\n");
    EXPECT_EQ(table.FormatCount(1, 1, {"1"}), "1 Verbindung");
    for (const int64_t count : {0, 2, -1, 21}) {
        EXPECT_EQ(table.FormatCount(1, count, {std::to_string(count)}), std::to_string(count) + " Verbindungen");
    }
    EXPECT_EQ(table.FormatCount(2, 1, {"1"}), "1 Mal") << "one form serves every count";
    EXPECT_EQ(CStringTable::Parse("1\t" + CStringTable::Escape(table.Get(1))).Get(1), table.Get(1));
    const CStringTable shipped = ShippedCatalogue();
    EXPECT_EQ(shipped.FormatCount(403, 1, {"1"}), "1 connection");
    EXPECT_EQ(shipped.FormatCount(560, 2, {"2"}), "2 units charged at the discount price");
}

TEST(StringTable, FillsPlaceholdersInAnyOrder) {
    EXPECT_EQ(FormatPlaceholders("%2 before %1, 100%%", {"a", "b"}), "b before a, 100%");
    EXPECT_EQ(FormatPlaceholders("%1 and %3", {"x"}), "x and %3");
    EXPECT_EQ(FormatPlaceholders("trailing %", {}), "trailing %");
}

// The numbers ResourceIds.h names in its namespace Str, by name.
std::map<std::string, unsigned> NamedStringNumbers() {
    const std::string header = ReadFile(FERNZAHL_SOURCE_DIR "/src/core/ResourceIds.h");
    const size_t begin = header.find("namespace Str {");
    const std::string block = header.substr(begin, header.find("} // namespace Str", begin) - begin);
    const std::regex named(R"(inline constexpr unsigned (k\w+) = (\d+);)");
    std::map<std::string, unsigned> numbers;
    for (std::sregex_iterator it(block.begin(), block.end(), named), end; it != end; ++it) {
        numbers[(*it)[1]] = static_cast<unsigned>(std::stoul((*it)[2]));
    }
    return numbers;
}

// Every message, caption and heading the program refers to by number must be in the catalogue.
TEST(StringTable, ShippedCatalogueHoldsEveryNumberTheProgramNames) {
    const CStringTable table = ShippedCatalogue();
    const std::map<std::string, unsigned> named = NamedStringNumbers();
    EXPECT_GT(named.size(), 100u) << "ResourceIds.h no longer reads as expected";
    for (const auto& [name, id] : named) {
        EXPECT_FALSE(table.Get(id).empty()) << "string " << name << " (" << id << ") is missing";
    }
}

TEST(StringTable, ShippedFormatsTakeTheirValues) {
    const CStringTable table = ShippedCatalogue();
    const std::pair<unsigned, int> placeholders[] = {{117, 1}, {170, 2}, {171, 3}, {172, 5},   {173, 6},
                                                     {401, 1}, {403, 1}, {418, 4}, {460, 3},   {458, 1},
                                                     {471, 1}, {500, 1}, {560, 1}, {61714, 2}, {61716, 1}};
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
