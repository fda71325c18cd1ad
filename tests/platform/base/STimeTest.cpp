#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/base/SClock.h"
#include "platform/base/SException.h"
#include "platform/base/SWaitCursor.h"

TEST(STimeTest, ShortFormsAndFormatCodes) {
    STime t(2024, 2, 29, 7, 5, 9);
    EXPECT_EQ(t.GetShortDate(), "2024-02-29");
    EXPECT_EQ(t.GetShortTime(), "07:05:09");
    EXPECT_EQ(STime::GetShortDateString(t), "2024-02-29");
    EXPECT_EQ(t.Format("%A %a %d %B %b %Y (%y) %e, %I:%M %p, day %j; 100%%"),
              "Thursday Thu 29 February Feb 2024 (24) 29, 07:05 AM, day 060; 100%");
    EXPECT_EQ(t.Format("%x %X|%c"), "2024-02-29 07:05:09|2024-02-29 07:05:09");
    EXPECT_EQ(STime(2023, 12, 31, 12, 0, 0).Format("%I %p %j %Q"), "12 PM 365 %Q");
    EXPECT_EQ(STime(2023, 1, 1, 0, 30, 0).Format("%I%p"), "12AM");
    EXPECT_EQ(STime(2000, 1, 2).GetDayOfWeek(), 1);  // a Sunday
    EXPECT_EQ(STime(2001, 9, 9, 1, 46, 40).GetTotalSeconds(), 1000000000);
}

TEST(STimeTest, OutOfRangeFieldsAreRefused) {
    EXPECT_THROW(STime(2023, 2, 29), SException);
    EXPECT_THROW(STime(2024, 13, 1), SException);
    EXPECT_THROW(STime(2024, 4, 31), SException);
    EXPECT_THROW(STime(2024, 1, 1, 24, 0, 0), SException);
    EXPECT_THROW(STime(2024, 1, 1, 0, 60, 0), SException);
    EXPECT_NO_THROW(STime(2000, 2, 29, 23, 59, 59));

    // Seconds whose year the C library can still name, but only just within its int, are
    // refused like any other year beyond 9999 rather than overflowing on the way.
    EXPECT_THROW(STime::FromUnixTime((int64_t{INT32_MAX} - 1000) * 31556952), SException);
    EXPECT_THROW(STime::FromUnixTime(INT64_MAX), SException);
    EXPECT_THROW(STime::FromUnixTime(INT64_MIN), SException);
    EXPECT_EQ(STime::FromUnixTime(86400 * 400).GetYear(), 1971);
}

TEST(SClockTest, TestsCanFixTheTimeAndClearIt) {
    SClock::SetFixed(STime(2024, 5, 17, 13, 45, 30));
    EXPECT_TRUE(SClock::IsFixed());
    EXPECT_EQ(STime::GetTickCount(), STime(2024, 5, 17, 13, 45, 30));
    EXPECT_EQ(STime::GetTimeStr(), "13:45:30");
    SClock::ClearFixed();
    EXPECT_FALSE(SClock::IsFixed());
    EXPECT_GE(SClock::Now().GetYear(), 2024);
}

TEST(SWaitCursorTest, DepthIsBalancedAndNeverNegative) {
    ASSERT_EQ(SWaitCursor::GetDepth(), 0);
    EndWaitCursor();  // an unmatched end is ignored
    EXPECT_EQ(SWaitCursor::GetDepth(), 0);
    BeginWaitCursor();
    try {
        SWaitCursor outer;
        SWaitCursor inner;
        EXPECT_EQ(SWaitCursor::GetDepth(), 3);
        throw std::runtime_error("walk failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(SWaitCursor::GetDepth(), 1);
    EXPECT_TRUE(SWaitCursor::IsShown());
    EndWaitCursor();
    EXPECT_FALSE(SWaitCursor::IsShown());
}
