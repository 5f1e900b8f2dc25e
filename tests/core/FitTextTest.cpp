#include "core/FitText.h"

#include <gtest/gtest.h>

namespace {

// Every byte is 10 pixels wide, so widths are easy to reckon.
int Measure(std::string_view text) {
    return static_cast<int>(text.size()) * 10;
}

TEST(FitText, ShortensFromTheEndUntilTextEllipsisAndMarginFit) {
    EXPECT_EQ(FitTextToWidth("", 0, 12, Measure), "");
    EXPECT_EQ(FitTextToWidth("Mobil", 62, 12, Measure), "Mobil");
    EXPECT_EQ(FitTextToWidth("Mobilfunk", 82, 12, Measure), "Mobi...");
    // Too narrow even for one character: that character stays.
    EXPECT_EQ(FitTextToWidth("Mobil", 5, 4, Measure), "M...");
    // A character is never cut in half.
    EXPECT_EQ(FitTextToWidth("Über", 44, 4, Measure), "\xC3\x9C...");
}

} // namespace
