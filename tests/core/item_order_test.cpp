#include "core/item_order.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ItemOrder, TheLowWordOfTheShellsAnswerDecidesInEitherDirection) {
    const int32_t before = 0x0000FFFF;  // -1 in the low word
    const int32_t after = 0x00000001;
    const int32_t equal = 0;
    EXPECT_TRUE(items::SortsBefore(before, 0));
    EXPECT_FALSE(items::SortsBefore(after, 0));
    EXPECT_FALSE(items::SortsBefore(equal, 0));
    EXPECT_FALSE(items::SortsBefore(before, 1));
    EXPECT_TRUE(items::SortsBefore(after, 1));
    EXPECT_FALSE(items::SortsBefore(equal, 1));
}

TEST(ItemOrder, AFailedComparisonNeverPutsTheFirstItemFirst) {
    const auto failed = static_cast<int32_t>(0x80004005u);  // E_FAIL
    EXPECT_FALSE(items::SortsBefore(failed, 0));
    EXPECT_FALSE(items::SortsBefore(failed, 1));
    EXPECT_FALSE(items::SortsBefore(-1, 0));
}

TEST(ItemOrder, BitsAboveTheLowWordDoNotChangeTheCode) {
    // A success code may carry a facility; only the low word is the comparison.
    EXPECT_TRUE(items::SortsBefore(0x0001FFFE, 0));
    EXPECT_TRUE(items::SortsBefore(0x00010002, 1));
}

TEST(ItemOrder, SizesOfFourGigabytesAndMoreUseBothHalves) {
    EXPECT_FALSE(items::NeedsDiskSize(0xFFFFFFFEu));
    EXPECT_TRUE(items::NeedsDiskSize(0xFFFFFFFFu));
    EXPECT_EQ(5368709120ull, items::CombinedSize(1, 0x40000000u));
    EXPECT_EQ(0xFFFFFFFFull, items::CombinedSize(0, 0xFFFFFFFFu));
}

}  // namespace
