#include "core/Money.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

TEST(Money, AddsAndSubtractsValidAmounts) {
    EXPECT_EQ(CMoney(1200) + CMoney(1200), CMoney(2400));
    EXPECT_EQ(CMoney(5000) - CMoney(13000), CMoney(-8000));
    CMoney costs(13000);
    costs -= CMoney(1200);
    costs += CMoney(100);
    EXPECT_EQ(costs, CMoney(11900));
}

TEST(Money, OverflowOfSumOrDifferenceIsInvalid) {
    EXPECT_EQ((CMoney(kMax) + CMoney(1)).GetStatus(), ValueStatus::Invalid);
    EXPECT_EQ((CMoney(kMin) - CMoney(1)).GetStatus(), ValueStatus::Invalid);
    EXPECT_EQ((CMoney(kMin) + CMoney(-1)).GetStatus(), ValueStatus::Invalid);
    EXPECT_EQ(CMoney(kMax) - CMoney(kMax), CMoney(0));
    EXPECT_EQ((CMoney(kMax) + CMoney(1)).GetValue(), 0);
}

TEST(Money, NullOperandWinsOverInvalidAndGivesZero) {
    EXPECT_EQ(CMoney(500) + CMoney::Null(), CMoney::Null());
    EXPECT_EQ(CMoney::Invalid() + CMoney::Null(), CMoney::Null());
    EXPECT_EQ(CMoney::Null() - CMoney::Invalid(), CMoney::Null());
    EXPECT_EQ(CMoney(500) - CMoney::Invalid(), CMoney::Invalid());
    EXPECT_EQ(CMoney(7, ValueStatus::Invalid) + CMoney(3), CMoney(0, ValueStatus::Invalid));
}

TEST(Money, FileFormKeepsHighHalfBeforeLowHalf) {
    const CMoney costs(1200);
    EXPECT_EQ(costs.High(), 0);
    EXPECT_EQ(costs.Low(), 0x4B0u);
    const CMoney negative(-1);
    EXPECT_EQ(negative.High(), -1);
    EXPECT_EQ(negative.Low(), 0xFFFFFFFFu);
    EXPECT_EQ(CMoney::FromFileParts(0, negative.High(), negative.Low()), negative);
    EXPECT_EQ(CMoney::FromFileParts(2, 0, 5).GetStatus(), ValueStatus::Null);
    EXPECT_EQ(CMoney::FromFileParts(77, 0, 5).GetStatus(), ValueStatus::Invalid);
    const CMoney large(0x123456789ABCLL);
    EXPECT_EQ(CMoney::FromFileParts(0, large.High(), large.Low()), large);
}

TEST(Money, ParsesEitherDecimalSeparatorAndRejectsJunk) {
    EXPECT_EQ(CMoney::Parse("0.12"), CMoney(1200));
    EXPECT_EQ(CMoney::Parse(" 12,5 "), CMoney(125000));
    EXPECT_EQ(CMoney::Parse("-0,1234"), CMoney(-1234));
    EXPECT_EQ(CMoney::Parse("3"), CMoney(30000));
    EXPECT_EQ(CMoney::Parse(".5"), CMoney(5000));
    EXPECT_FALSE(CMoney::Parse("0.12345"));
    EXPECT_FALSE(CMoney::Parse("1.2.3"));
    EXPECT_FALSE(CMoney::Parse("abc"));
    EXPECT_FALSE(CMoney::Parse(""));
    EXPECT_FALSE(CMoney::Parse("-"));
    EXPECT_FALSE(CMoney::Parse("99999999999999999999"));
}

} // namespace
