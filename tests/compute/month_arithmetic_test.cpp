#include "compute/month_arithmetic.h"

#include <gtest/gtest.h>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"

namespace tembrel {
namespace {

CalDate Date(int32_t year, int32_t month, int32_t day, char marker = kMarkerGregorian) {
    CalDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.marker = marker;
    if (marker == kMarkerGregorian || marker == kMarkerJulian) {
        date.jdn = *JDNOfCalDate(date);
    }
    return date;
}

void ExpectDate(const CalDate& date, int32_t year, int32_t month, int32_t day) {
    EXPECT_EQ(date.year, year);
    EXPECT_EQ(date.month, month);
    EXPECT_EQ(date.day, day);
    EXPECT_EQ(JDNOfCalDate(date), date.jdn) << "the day number follows the date";
}

TEST(AddMonths, ClampsToTheEndOfTheMonth) {
    CalDate target{};
    ASSERT_TRUE(AddMonths(Date(2008, 1, 31), 1, target, false));
    ExpectDate(target, 2008, 2, 29);
    ASSERT_TRUE(AddMonths(Date(2008, 3, 31), -1, target, false));
    ExpectDate(target, 2008, 2, 29);
    ASSERT_TRUE(AddMonths(Date(2008, 1, 15), -13, target, false));
    ExpectDate(target, 2006, 12, 15);
    ASSERT_TRUE(AddMonths(Date(2008, 12, 15), 1, target, false));
    ExpectDate(target, 2009, 1, 15);
    ASSERT_TRUE(AddMonths(Date(2008, 1, 15), -24, target, false));
    ExpectDate(target, 2006, 1, 15);
    ASSERT_TRUE(AddMonths(Date(2100, 1, 31, kMarkerJulian), 1, target, false));
    ExpectDate(target, 2100, 2, 29);
    ASSERT_TRUE(AddMonths(Date(2100, 1, 31), 1, target, false));
    ExpectDate(target, 2100, 2, 28);
    ASSERT_TRUE(AddMonths(Date(-1, 3, 1), -3, target, false));
    ExpectDate(target, -2, 12, 1);
}

TEST(AddMonths, ZeroMonthsCopiesTheDate) {
    CalDate source = Date(2008, 5, 5);
    source.spare = 7;
    CalDate target{};
    ASSERT_TRUE(AddMonths(source, 0, target, false));
    EXPECT_EQ(target.jdn, source.jdn);
    EXPECT_EQ(target.spare, 7);
}

TEST(AddMonths, LeapWeekMonths) {
    CalDate target{};
    ASSERT_TRUE(AddMonths(Date(2008, 1, 35, 0), 1, target, true));
    EXPECT_EQ(target.month, 2);
    EXPECT_EQ(target.day, 28) << "a five-week month's day 35 becomes the four-week month's last";
    ASSERT_TRUE(AddMonths(Date(2009, 11, 35, 0), 1, target, true));
    EXPECT_EQ(target.month, 12);
    EXPECT_EQ(target.day, 35) << "December of a leap year has five weeks";
    ASSERT_TRUE(AddMonths(Date(2008, 11, 28, 0), 14, target, true));
    EXPECT_EQ(target.year, 2010);
    EXPECT_EQ(target.month, 1);
}

TEST(AddMonths, BeyondTheRangeFails) {
    CalDate target{};
    EXPECT_FALSE(AddMonths(Date(2008, 1, 1), 2100000000, target, false));
    EXPECT_FALSE(AddMonths(Date(2008, 1, 1), -2100000000, target, false));
    EXPECT_FALSE(AddMonths(Date(2008, 1, 1, 0), 2100000000, target, true));
    EXPECT_FALSE(AddMonths(Date(5700000, 1, 1), 12 * 60000, target, false))
        << "a year inside 32 bits whose day number lies beyond the range";
    EXPECT_TRUE(AddMonths(Date(2008, 1, 1), 12 * 5000000, target, false));
    EXPECT_EQ(target.year, 5002008);
    EXPECT_TRUE(IsJDNInRange(target.jdn));
}

}  // namespace
}  // namespace tembrel
