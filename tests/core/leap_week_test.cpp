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

LeapWeekDate LPWOf(int32_t jdn) {
    LeapWeekDate record;
    record.jdn = jdn;
    JDNToLPW(record);
    return record;
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
    EXPECT_EQ(LPWOf(1867515).year, 400);
    EXPECT_EQ(LPWOf(1867516).year, 401);
    EXPECT_EQ(LeapWeekYearStart(0), 1721055);
    EXPECT_EQ(LeapWeekYearStart(-1), 1720691);
}

TEST(LeapWeekConversions, KnownDates) {
    LeapWeekDate record = LPWOf(2454459);
    EXPECT_EQ(record.year, 2008);
    EXPECT_EQ(record.week, 1);
    EXPECT_EQ(record.weekday, 1);
    JDNToLPM(record);
    EXPECT_EQ(record.month, 1);
    EXPECT_EQ(record.day, 1);

    LeapWeekDate last = LPM(2009, 12, 35);
    ASSERT_TRUE(LPMToJDN(last));
    EXPECT_EQ(last.jdn, 2455193);
    EXPECT_EQ(last.week, 53);
    EXPECT_EQ(last.weekday, 7);
    const LeapWeekDate next = LPWOf(2455194);
    EXPECT_EQ(next.year, 2010);
    EXPECT_EQ(next.week, 1);
    EXPECT_EQ(next.weekday, 1);
}

TEST(LeapWeekConversions, RefusesBadMonthsDaysAndWeekdays) {
    LeapWeekDate december = LPM(2008, 12, 29);
    EXPECT_FALSE(LPMToJDN(december));
    EXPECT_EQ(december.status, kLeapWeekBadDay) << "December of a common year has 28 days";
    LeapWeekDate thirteenth = LPM(2008, 13, 1);
    EXPECT_FALSE(LPMToJDN(thirteenth));
    EXPECT_EQ(thirteenth.status, kLeapWeekBadMonth);
    LeapWeekDate negativeMonth = LPM(2008, -1, 1);
    EXPECT_FALSE(LPMToLPW(negativeMonth));
    EXPECT_EQ(negativeMonth.status, kLeapWeekBadMonth);
    LeapWeekDate negativeDay = LPM(2008, 2, -1);
    EXPECT_FALSE(LPMToLPW(negativeDay));
    EXPECT_EQ(negativeDay.status, kLeapWeekBadDay);

    LeapWeekDate weekday8 = LPW(2008, 1, 8);
    EXPECT_FALSE(LPWToJDN(weekday8));
    EXPECT_EQ(weekday8.status, kLeapWeekBadDay);
    LeapWeekDate weekdayMinus = LPW(2008, 1, -1);
    EXPECT_FALSE(LPWToLPM(weekdayMinus));
    EXPECT_EQ(weekdayMinus.status, kLeapWeekBadDay);
}

TEST(LeapWeekConversions, ZeroAndOverflowingPartsCountOn) {
    LeapWeekDate dayZero = LPM(2008, 2, 0);
    ASSERT_TRUE(LPMToJDN(dayZero));
    LeapWeekDate lastOfJanuary = LPM(2008, 1, 35);
    ASSERT_TRUE(LPMToJDN(lastOfJanuary));
    EXPECT_EQ(dayZero.jdn, lastOfJanuary.jdn) << "day 0 is the last day of the month before";
    EXPECT_EQ(dayZero.weekday, 0);

    LeapWeekDate monthZero = LPM(2008, 0, 10);
    ASSERT_TRUE(LPMToJDN(monthZero));
    LeapWeekDate january = LPM(2008, 1, 10);
    ASSERT_TRUE(LPMToJDN(january));
    EXPECT_EQ(monthZero.jdn, january.jdn) << "month 0 reads as month 1";

    LeapWeekDate weekZero = LPW(2008, 0, 7);
    ASSERT_TRUE(LPWToJDN(weekZero));
    EXPECT_EQ(weekZero.jdn, 2454459 - 1);
    LeapWeekDate week53 = LPW(2008, 53, 1);
    ASSERT_TRUE(LPWToJDN(week53));
    EXPECT_EQ(week53.jdn, LeapWeekYearStart(2009)) << "a week past the year's last runs on";

    LeapWeekDate far = LPW(INT32_MAX, 1, 1);
    EXPECT_FALSE(LPWToJDN(far));
    EXPECT_EQ(far.status, kLeapWeekOutOfRange);
}

TEST(LeapWeekConversions, AgreeWithTheWalkOnEveryDayOfTwoCycles) {
    for (int32_t jdn = kLeapWeekEpochJDN - kLeapWeekCycleDays;
         jdn < kLeapWeekEpochJDN + kLeapWeekCycleDays; ++jdn) {
        const LeapWeekDate fast = LPWOf(jdn);
        const LeapWeekDate walk = WalkJDNToLPW(jdn);
        ASSERT_EQ(fast.year, walk.year) << jdn;
        ASSERT_EQ(fast.week, walk.week) << jdn;
        ASSERT_EQ(fast.weekday, walk.weekday) << jdn;
        LeapWeekDate back = fast;
        back.jdn = 0;
        ASSERT_TRUE(LPWToJDN(back));
        ASSERT_EQ(back.jdn, jdn);
        LeapWeekDate month = fast;
        JDNToLPM(month);
        int walkMonth = 0;
        int walkDay = 0;
        WalkLPWToLPM(walk.year, walk.week, walk.weekday, &walkMonth, &walkDay);
        ASSERT_EQ(month.month, walkMonth) << jdn;
        ASSERT_EQ(month.day, walkDay) << jdn;
        LeapWeekDate fromMonth = LPM(month.year, month.month, month.day);
        ASSERT_TRUE(LPMToJDN(fromMonth));
        ASSERT_EQ(fromMonth.jdn, jdn);
    }
}

TEST(LeapWeekConversions, AgreeWithTheWalkAcrossTheWholeRange) {
    std::mt19937 random(71);
    std::uniform_int_distribution<int32_t> anyDay(kMinJDN, kMaxJDN);
    for (int i = 0; i < 100000; ++i) {
        const int32_t jdn = anyDay(random);
        const LeapWeekDate fast = LPWOf(jdn);
        const LeapWeekDate walk = WalkJDNToLPW(jdn);
        ASSERT_EQ(fast.year, walk.year) << jdn;
        ASSERT_EQ(fast.week, walk.week) << jdn;
        ASSERT_EQ(fast.weekday, walk.weekday) << jdn;
        LeapWeekDate back = fast;
        ASSERT_TRUE(LPWToJDN(back));
        ASSERT_EQ(back.jdn, jdn);
    }
    for (int32_t jdn : {INT32_MIN + 1, kMinJDN, kMinJDN + 1, kMaxJDN - 1, kMaxJDN, INT32_MAX}) {
        LeapWeekDate back = LPWOf(jdn);
        EXPECT_EQ(back.year, WalkJDNToLPW(jdn).year);
        ASSERT_TRUE(LPWToJDN(back));
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
        LeapWeekDate record = LPW(year, week, weekday);
        ASSERT_TRUE(LPWToJDN(record));
        ASSERT_EQ(record.jdn, WalkLPWToJDN(year, week, weekday)) << year << " " << week;
        ASSERT_TRUE(LPWToLPM(record));
        int month = 0;
        int day = 0;
        WalkLPWToLPM(year, week, weekday, &month, &day);
        ASSERT_EQ(record.month, month) << year << " " << week;
        ASSERT_EQ(record.day, day) << year << " " << week;
    }
}

}  // namespace
}  // namespace tembrel
