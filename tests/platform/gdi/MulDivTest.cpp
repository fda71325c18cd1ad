#include <gtest/gtest.h>

#include <limits>

#include "platform/gdi/MulDiv.h"

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(-10, 96, 72), -13);  // 13.33: a 10-point character height on a 96-dpi screen
    EXPECT_EQ(MulDiv(-10, 120, 72), -17);  // 16.67
    EXPECT_EQ(MulDiv(13, 72, 96), 10);     // 9.75
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(1, -1, 2), -1);
    EXPECT_EQ(MulDiv(-3, 1, -2), 2);  // two negatives make a positive half
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(2, 1, 3), 1);
    EXPECT_EQ(MulDiv(330, 1000, 1000), 330);
    EXPECT_EQ(MulDiv(33, 1003, 100), 331);  // 330.99
    EXPECT_EQ(MulDiv(0, 5, -7), 0);
}

TEST(MulDiv, IntermediateBeyond32BitsAndResultsThatDoNotFit) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // 10^10 in between
    EXPECT_EQ(MulDiv(kMax, kMax, kMax), kMax);
    EXPECT_EQ(MulDiv(kMin, kMax, kMax), kMin);
    EXPECT_EQ(MulDiv(kMin, kMin, kMin), kMin);
    EXPECT_EQ(MulDiv(kMax, 2, 1), -1);  // does not fit
    EXPECT_EQ(MulDiv(kMin, -1, 1), -1);
    EXPECT_EQ(MulDiv(kMin, 1, -1), -1);
}

TEST(MulDiv, DivisionByZeroGivesMinusOne) {
    EXPECT_EQ(MulDiv(5, 3, 0), -1);
    EXPECT_EQ(MulDiv(0, 0, 0), -1);
}
