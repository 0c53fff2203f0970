#include "core/leap_week.h"

#include <gtest/gtest.h>

#include <random>

#include "core/calendar_tables.h"

namespace tembrel {
namespace {

// The straightforward year-by-year walk that defines the calendar, kept as the
// reference for the constant-time conversions. Whole 400-year cycles are
// stepped by division, which the walk does one cycle at a time.
int DaysOfYear(int64_t year) {
    return IsLeapWeekYear(static_cast<int32_t>(year)) ? 371 : 364;
}

LeapWeekDate WalkJDNToLPW(int32_t jdn) {
    int64_t j = jdn;
    int64_t n = 0;
    if (j < kLeapWeekEpochJDN) {
        const int64_t cycles =
            (kLeapWeekEpochJDN - j + kLeapWeekCycleDays - 1) / kLeapWeekCycleDays;
        j += cycles * kLeapWeekCycleDays;
        n -= cycles;
    }
    if (j >= kLeapWeekEpochJDN + kLeapWeekCycleDays) {
        const int64_t cycles = (j - kLeapWeekEpochJDN) / kLeapWeekCycleDays;
        j -= cycles * kLeapWeekCycleDays;
        n += cycles;
    }
    int64_t year = 1;
    int64_t start = kLeapWeekEpochJDN;
    while (j >= start + DaysOfYear(year)) {
        start += DaysOfYear(year);
        ++year;
    }
    LeapWeekDate record;
    record.jdn = jdn;
    record.year = static_cast<int32_t>(year + 400 * n);
    record.week = static_cast<int16_t>((j - start) / 7 + 1);
    record.weekday = static_cast<int16_t>((j - start) % 7 + 1);
    return record;
}

int64_t WalkLPWToJDN(int32_t year, int week, int weekday) {
    int64_t y = year;
    int64_t n = 0;
    while (y <= 0) {
        y += 400;
        --n;
    }
    n += (y - 1) / 400;
    y = (y - 1) % 400 + 1;
    int64_t sum = 0;
    for (int64_t i = 1; i < y; ++i) {
        sum += DaysOfYear(i);
    }
    return sum + (int64_t{week} - 1) * 7 + (weekday - 1) + kLeapWeekEpochJDN +
           n * kLeapWeekCycleDays;
}

// The month walk of the week form: subtract whole months from the week number.
void WalkLPWToLPM(int32_t year, int week, int weekday, int* month, int* day) {
    const bool leap = IsLeapWeekYear(year);
    int r = week;
    int m = 1;
    while (r > WeeksInLeapWeekMonth(m, leap)) {
        r -= WeeksInLeapWeekMonth(m, leap);
        ++m;
    }
    *month = m;
    *day = (r - 1) * 7 + weekday;
}

LeapWeekDate LPM(int32_t year, int month, int day) {
    LeapWeekDate record;
    record.year = year;
    record.month = static_cast<int16_t>(month);
    record.day = static_cast<int16_t>(day);
    return record;
}

LeapWeekDate LPW(int32_t year, int week, int weekday) {
    LeapWeekDate record;
    record.year = year;
    record.week = static_cast<int16_t>(week);
    record.weekday = static_cast<int16_t>(weekday);
    return record;
}

TEST(LeapWeekYears, SeventyOneLeapYearsInEveryCycle) {
    int leapYears = 0;
    for (int32_t year = 1; year <= 400; ++year) {
        leapYears += IsLeapWeekYear(year) ? 1 : 0;
    }
    EXPECT_EQ(leapYears, 71);
    std::vector<int32_t> leaps;
    for (int32_t year = 2000; year <= 2030; ++year) {
        if (IsLeapWeekYear(year)) {
            leaps.push_back(year);
        }
    }
    EXPECT_EQ(leaps, (std::vector<int32_t>{2003, 2009, 2015, 2020, 2026}));
    EXPECT_EQ(IsLeapWeekYear(-397), IsLeapWeekYear(3)) << "negative years repeat the cycle";
    EXPECT_EQ(IsLeapWeekYear(INT32_MIN), IsLeapWeekYear(INT32_MIN + 400));
    EXPECT_EQ(WeeksInLeapWeekYear(true), 53);
    EXPECT_EQ(DaysInLeapWeekYear(false), 364);
}

TEST(LeapWeekYears, KnownYearStarts) {
    EXPECT_EQ(LeapWeekYearStart(2008), 2454459) << "Monday 24 December 2007";
    EXPECT_EQ(LeapWeekYearStart(2010), 2455194) << "Monday 28 December 2009";
    EXPECT_EQ(LeapWeekYearStart(401), 1867516);
    EXPECT_FALSE(IsLeapWeekYear(400));
    EXPECT_EQ(LPWDateOf(1867515).year, 400);
    EXPECT_EQ(LPWDateOf(1867516).year, 401);
    EXPECT_EQ(LeapWeekYearStart(0), 1721055);
    EXPECT_EQ(LeapWeekYearStart(-1), 1720691);
}

TEST(LeapWeekConversions, KnownDates) {
    const LeapWeekDate record = LPMDateOf(2454459);
    EXPECT_EQ(record.year, 2008);
    EXPECT_EQ(record.week, 1);
    EXPECT_EQ(record.weekday, 1);
    EXPECT_EQ(record.month, 1);
    EXPECT_EQ(record.day, 1);
    EXPECT_EQ(record.jdn, 2454459);

    const LeapWeekDate last = LPM(2009, 12, 35);
    EXPECT_EQ(JDNOfLPMDate(last).jdn, 2455193);
    const std::optional<LeapWeekDate> lastWeek = LPWFormOf(last);
    ASSERT_TRUE(lastWeek.has_value());
    EXPECT_EQ(lastWeek->week, 53);
    EXPECT_EQ(lastWeek->weekday, 7);
    const LeapWeekDate next = LPWDateOf(2455194);
    EXPECT_EQ(next.year, 2010);
    EXPECT_EQ(next.week, 1);
    EXPECT_EQ(next.weekday, 1);
}

TEST(LeapWeekConversions, RefusesBadMonthsDaysAndWeekdays) {
    EXPECT_EQ(JDNOfLPMDate(LPM(2008, 12, 29)).status, ParseStatus::Invalid)
        << "December of a common year has 28 days";
    EXPECT_EQ(JDNOfLPMDate(LPM(2008, 13, 1)).status, ParseStatus::Invalid);
    EXPECT_FALSE(LPWFormOf(LPM(2008, 12, 29)).has_value());
    EXPECT_FALSE(LPWFormOf(LPM(2008, 13, 1)).has_value());
    EXPECT_FALSE(LPWFormOf(LPM(2008, -1, 1)).has_value());
    EXPECT_FALSE(LPWFormOf(LPM(2008, 2, -1)).has_value());
    EXPECT_TRUE(LPWFormOf(LPM(2009, 12, 35)).has_value()) << "December of a leap year has 35";

    EXPECT_EQ(JDNOfLPWDate(LPW(2008, 1, 8)).status, ParseStatus::Invalid);
    EXPECT_EQ(JDNOfLPWDate(LPW(2008, 1, -1)).status, ParseStatus::Invalid);
    EXPECT_FALSE(LPMFormOf(LPW(2008, 1, 8)).has_value());
    EXPECT_FALSE(LPMFormOf(LPW(2008, 1, -1)).has_value());
}

TEST(LeapWeekConversions, ZeroAndOverflowingPartsCountOn) {
    const ParsedDay dayZero = JDNOfLPMDate(LPM(2008, 2, 0));
    ASSERT_TRUE(dayZero.ok());
    EXPECT_EQ(dayZero.jdn, JDNOfLPMDate(LPM(2008, 1, 35)).jdn)
        << "day 0 is the last day of the month before";
    EXPECT_EQ(LPWFormOf(LPM(2008, 2, 0))->weekday, 0);

    const ParsedDay monthZero = JDNOfLPMDate(LPM(2008, 0, 10));
    ASSERT_TRUE(monthZero.ok());
    EXPECT_EQ(monthZero.jdn, JDNOfLPMDate(LPM(2008, 1, 10)).jdn) << "month 0 reads as month 1";

    const ParsedDay weekZero = JDNOfLPWDate(LPW(2008, 0, 7));
    ASSERT_TRUE(weekZero.ok());
    EXPECT_EQ(weekZero.jdn, 2454459 - 1);
    const ParsedDay week53 = JDNOfLPWDate(LPW(2008, 53, 1));
    ASSERT_TRUE(week53.ok());
    EXPECT_EQ(week53.jdn, LeapWeekYearStart(2009)) << "a week past the year's last runs on";

    EXPECT_EQ(JDNOfLPWDate(LPW(INT32_MAX, 1, 1)).status, ParseStatus::OutOfRange);
    EXPECT_EQ(JDNOfLPMDate(LPM(INT32_MAX, 1, 1)).status, ParseStatus::OutOfRange);
}

TEST(LeapWeekConversions, AgreeWithTheWalkOnEveryDayOfTwoCycles) {
    for (int32_t jdn = kLeapWeekEpochJDN - kLeapWeekCycleDays;
         jdn < kLeapWeekEpochJDN + kLeapWeekCycleDays; ++jdn) {
        const LeapWeekDate fast = LPWDateOf(jdn);
        const LeapWeekDate walk = WalkJDNToLPW(jdn);
        ASSERT_EQ(fast.year, walk.year) << jdn;
        ASSERT_EQ(fast.week, walk.week) << jdn;
        ASSERT_EQ(fast.weekday, walk.weekday) << jdn;
        ASSERT_EQ(JDNOfLPWDate(LPW(fast.year, fast.week, fast.weekday)).jdn, jdn);
        const LeapWeekDate month = LPMDateOf(jdn);
        int walkMonth = 0;
        int walkDay = 0;
        WalkLPWToLPM(walk.year, walk.week, walk.weekday, &walkMonth, &walkDay);
        ASSERT_EQ(month.month, walkMonth) << jdn;
        ASSERT_EQ(month.day, walkDay) << jdn;
        ASSERT_EQ(month.week, fast.week) << jdn;
        ASSERT_EQ(JDNOfLPMDate(LPM(month.year, month.month, month.day)).jdn, jdn);
    }
}

TEST(LeapWeekConversions, AgreeWithTheWalkAcrossTheWholeRange) {
    std::mt19937 random(71);
    std::uniform_int_distribution<int32_t> anyDay(kMinJDN, kMaxJDN);
    for (int i = 0; i < 100000; ++i) {
        const int32_t jdn = anyDay(random);
        const LeapWeekDate fast = LPWDateOf(jdn);
        const LeapWeekDate walk = WalkJDNToLPW(jdn);
        ASSERT_EQ(fast.year, walk.year) << jdn;
        ASSERT_EQ(fast.week, walk.week) << jdn;
        ASSERT_EQ(fast.weekday, walk.weekday) << jdn;
        const ParsedDay back = JDNOfLPWDate(fast);
        ASSERT_TRUE(back.ok());
        ASSERT_EQ(back.jdn, jdn);
    }
    for (int32_t jdn : {INT32_MIN + 1, kMinJDN, kMinJDN + 1, kMaxJDN - 1, kMaxJDN, INT32_MAX}) {
        const LeapWeekDate date = LPWDateOf(jdn);
        EXPECT_EQ(date.year, WalkJDNToLPW(jdn).year);
        const ParsedDay back = JDNOfLPWDate(date);
        ASSERT_TRUE(back.ok());
        EXPECT_EQ(back.jdn, jdn);
    }
}

TEST(LeapWeekConversions, UnusualWeekNumbersFollowTheWalk) {
    std::mt19937 random(53);
    std::uniform_int_distribution<int32_t> anyYear(-kMaxYear, kMaxYear);
    std::uniform_int_distribution<int> anyWeek(-60, 200);
    std::uniform_int_distribution<int> anyWeekday(0, 7);
    for (int i = 0; i < 20000; ++i) {
        const int32_t year = anyYear(random);
        const int week = anyWeek(random);
        const int weekday = anyWeekday(random);
        const LeapWeekDate record = LPW(year, week, weekday);
        const ParsedDay day = JDNOfLPWDate(record);
        ASSERT_TRUE(day.ok());
        ASSERT_EQ(day.jdn, WalkLPWToJDN(year, week, weekday)) << year << " " << week;
        const std::optional<LeapWeekDate> withMonth = LPMFormOf(record);
        ASSERT_TRUE(withMonth.has_value());
        int walkMonth = 0;
        int walkDay = 0;
        WalkLPWToLPM(year, week, weekday, &walkMonth, &walkDay);
        ASSERT_EQ(withMonth->month, walkMonth) << year << " " << week;
        ASSERT_EQ(withMonth->day, walkDay) << year << " " << week;
    }
}

}  // namespace
}  // namespace tembrel
