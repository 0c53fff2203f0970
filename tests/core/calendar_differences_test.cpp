#include "core/calendar_differences.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>

#include "core/calendar_binding.h"
#include "core/iso_week.h"

#include "tests/support/dates.h"

namespace tembrel {
namespace {

using test_support::MakeDate;

ISOWeekDate Week(int32_t year, int32_t week, int32_t weekday) {
    ISOWeekDate date;
    date.year = year;
    date.week = week;
    date.weekday = weekday;
    date.jdn = *JDNOfISOWeekDate(date);
    return date;
}

// A breakdown of either kind, its middle part the months or the weeks.
struct Parts {
    int32_t years;
    int middle;
    int days;
};

std::optional<Parts> DiffOf(const CalDate& first, const CalDate& second) {
    const std::optional<YearsMonthsDays> diff = DiffYMD(first, second);
    if (!diff) {
        return std::nullopt;
    }
    return Parts{diff->years, diff->months, diff->days};
}

std::optional<Parts> DiffOf(const ISOWeekDate& first, const ISOWeekDate& second) {
    const std::optional<YearsWeeksDays> diff = DiffYWD(first, second);
    if (!diff) {
        return std::nullopt;
    }
    return Parts{diff->years, diff->weeks, diff->days};
}

void ExpectBreakdown(const std::optional<Parts>& actual, int32_t years, int middle, int days) {
    ASSERT_TRUE(actual.has_value());
    EXPECT_EQ(actual->years, years);
    EXPECT_EQ(actual->middle, middle);
    EXPECT_EQ(actual->days, days);
}

// --- Month and year lengths

TEST(DaysInMonthOf, HonoursTheCalendarOfTheRecord) {
    EXPECT_EQ(DaysInMonthOf(MakeDate(2008, 2, 10)), 29);
    EXPECT_EQ(DaysInMonthOf(MakeDate(1900, 2, 10)), 28);
    EXPECT_EQ(DaysInMonthOf(MakeDate(1900, 2, 10, kMarkerJulian)), 29);
    EXPECT_EQ(DaysInMonthOf(MakeDate(2007, 12, 31)), 31) << "December runs into the next year";
    EXPECT_EQ(DaysInMonthOf(MakeDate(2008, 10, 1, kMarkerAnnusNovus)), 37);
    EXPECT_EQ(DaysInMonthOf(MakeDate(2007, 10, 1, kMarkerAnnusNovus)), 36);
    EXPECT_EQ(DaysInMonthOf(MakeDate(2007, 1, 1, kMarkerAnnusNovus)), 37);
}

TEST(DaysInYearOf, HonoursTheCalendarOfTheRecord) {
    EXPECT_EQ(DaysInYearOf(MakeDate(2008, 5, 5)), 366);
    EXPECT_EQ(DaysInYearOf(MakeDate(1900, 5, 5)), 365);
    EXPECT_EQ(DaysInYearOf(MakeDate(1900, 5, 5, kMarkerJulian)), 366);
}

TEST(DaysElapsed, HasNoAnswerInsteadOfWrapping) {
    EXPECT_EQ(DaysElapsed(MakeDate(2008, 3, 1), MakeDate(2008, 2, 1)), 29);
    EXPECT_FALSE(DaysElapsed(MakeDate(2100, 1, 1), MakeDate(2000, 1, 1)).has_value());
    EXPECT_FALSE(DaysElapsed(MakeDate(2008, 1, 1, 'N'), MakeDate(2008, 1, 1)).has_value());
    EXPECT_FALSE(DaysInYearOf(MakeDate(std::numeric_limits<int32_t>::max(), 1, 1)).has_value());
    EXPECT_FALSE(DaysInMonthOf(MakeDate(std::numeric_limits<int32_t>::max(), 12, 1)).has_value());
}

// --- DiffYMD

TEST(DiffYMD, BorrowsTheMonthBeforeTheSecondDate) {
    ExpectBreakdown(DiffOf(MakeDate(2007, 1, 15), MakeDate(2007, 3, 10)), 0, 1, 23);
    ExpectBreakdown(DiffOf(MakeDate(2007, 3, 15), MakeDate(2008, 3, 15)), 1, 0, 0);
    ExpectBreakdown(DiffOf(MakeDate(2007, 3, 15), MakeDate(2008, 3, 14)), 0, 11, 28);
    ExpectBreakdown(DiffOf(MakeDate(2008, 1, 1), MakeDate(2009, 3, 15)), 1, 2, 14);
    ExpectBreakdown(DiffOf(MakeDate(2007, 12, 20), MakeDate(2008, 1, 5)), 0, 0, 16);
}

TEST(DiffYMD, BorrowsAgainWhenOneMonthIsNotEnough) {
    // 1 March - 31 January + 28 February days is still -2: January is borrowed too.
    ExpectBreakdown(DiffOf(MakeDate(2007, 1, 31), MakeDate(2007, 3, 1)), 0, 0, 29);
    ExpectBreakdown(DiffOf(MakeDate(2008, 1, 31), MakeDate(2008, 3, 1)), 0, 0, 30);
    ExpectBreakdown(DiffOf(MakeDate(2006, 1, 31), MakeDate(2007, 3, 1)), 1, 0, 29);
    ExpectBreakdown(DiffOf(MakeDate(2007, 1, 30), MakeDate(2007, 3, 1, kMarkerJulian)), 0, 0, 30);
}

TEST(DiffYMD, CountsTenMonthsInRevarOvereYears) {
    const char a = kMarkerAnnusNovus;
    ExpectBreakdown(DiffOf(MakeDate(2007, 9, 10, a), MakeDate(2008, 2, 5, a)), 0, 2, 32);
}

TEST(DiffYMD, HasNoAnswerForASecondDateBeforeTheFirst) {
    EXPECT_FALSE(DiffOf(MakeDate(2008, 3, 15), MakeDate(2008, 1, 10)).has_value());
}

// Returns the day reached from the first date by the breakdown: years and months
// first, with a day beyond the month counted on into the next (31 January plus
// one month is 3 March 2007), then the days.
int64_t AddBack(const CalDate& first, const Parts& diff) {
    const int64_t months = int64_t{first.month} - 1 + diff.middle;
    CalDate moved = first;
    moved.year = static_cast<int32_t>(first.year + diff.years + months / 12);
    moved.month = static_cast<int32_t>(months % 12 + 1);
    return int64_t{*JDNOfCalDate(moved)} + diff.days;
}

TEST(DiffYMD, AddsBackToTheSecondDate) {
    std::mt19937 random(31);
    std::uniform_int_distribution<int32_t> day(2000000, 2600000);
    std::uniform_int_distribution<int32_t> gap(0, 800);
    for (int i = 0; i < 20000; ++i) {
        const char marker = i % 2 == 0 ? kMarkerGregorian : kMarkerJulian;
        const int32_t start = day(random);
        const CalDate first = CalDateOfJDN(start, marker);
        const CalDate second = CalDateOfJDN(start + gap(random), marker);
        const std::optional<Parts> diff = DiffOf(first, second);
        ASSERT_TRUE(diff.has_value()) << start;
        ASSERT_EQ(AddBack(first, *diff), second.jdn)
            << first.year << "-" << first.month << "-" << first.day << " to " << second.year << "-"
            << second.month << "-" << second.day;
    }
}

// --- DiffYWD

TEST(DiffYWD, BorrowsWeeksAndDays) {
    ExpectBreakdown(DiffOf(Week(2008, 10, 5), Week(2009, 10, 3)), 0, 51, 5);
    ExpectBreakdown(DiffOf(Week(2008, 20, 5), Week(2009, 10, 3)), 0, 41, 5);
    ExpectBreakdown(DiffOf(Week(2008, 10, 5), Week(2009, 12, 3)), 1, 1, 5);
    ExpectBreakdown(DiffOf(Week(2008, 10, 1), Week(2008, 11, 1)), 0, 1, 0);
}

TEST(DiffYWD, BorrowsTheWeeksOfTheYearBeforeTheSecondDate) {
    // 2008-W20-1 plus one year is 2009-W20-1; 2009 has 53 weeks, so 43 more weeks
    // reach 2010-W10-1.
    ExpectBreakdown(DiffOf(Week(2008, 20, 1), Week(2010, 10, 1)), 1, 43, 0);
}

TEST(DiffYWD, CountsWeek53OnIntoTheNextYear) {
    // 2101-W53-3 does not exist and counts on to 2102-W01-3, 51 weeks and 6 days
    // before 2103-W01-2.
    ASSERT_FALSE(ISOYearHas53Weeks(2101));
    ASSERT_FALSE(ISOYearHas53Weeks(2102));
    ExpectBreakdown(DiffOf(Week(2099, 53, 3), Week(2103, 1, 2)), 2, 51, 6);
    ExpectBreakdown(DiffOf(Week(2004, 53, 1), Week(2006, 1, 1)), 1, 0, 0);
}

TEST(DiffYWD, HasNoAnswerForASecondDateBeforeTheFirst) {
    EXPECT_FALSE(DiffOf(Week(2009, 10, 3), Week(2008, 10, 5)).has_value());
}

TEST(DiffYWD, AddsBackToTheSecondDate) {
    std::mt19937 random(53);
    std::uniform_int_distribution<int32_t> day(2000000, 2600000);
    std::uniform_int_distribution<int32_t> gap(0, 2000);
    for (int i = 0; i < 20000; ++i) {
        const ISOWeekDate first = ISOWeekDateOf(day(random));
        const ISOWeekDate second = ISOWeekDateOf(first.jdn + gap(random));
        const std::optional<Parts> diff = DiffOf(first, second);
        ASSERT_TRUE(diff.has_value())
            << first.year << "-W" << first.week << "-" << first.weekday << " to " << second.year
            << "-W" << second.week << "-" << second.weekday;
        ISOWeekDate moved;
        moved.year = first.year + diff->years;
        moved.week = first.week;
        moved.weekday = first.weekday;
        ASSERT_EQ(*JDNOfISOWeekDate(moved) + 7 * diff->middle + diff->days, second.jdn)
            << first.year << "-W" << first.week << "-" << first.weekday << " to " << second.year
            << "-W" << second.week << "-" << second.weekday;
    }
}

// --- DiffYD

TEST(DiffYD, BorrowsTheYearBeforeTheSecondDate) {
    auto ordinal = [](int32_t year, int32_t day) {
        return CalDateOfJDN(*OrdinalToJDN(year, day), kMarkerGregorian);
    };
    const struct {
        CalDate first;
        CalDate second;
        int32_t years;
        int16_t days;
    } cases[] = {
        {ordinal(2007, 300), ordinal(2008, 100), 0, 165},
        {ordinal(2006, 300), ordinal(2008, 100), 1, 165},
        {ordinal(2008, 100), ordinal(2009, 100), 1, 0},
        {ordinal(2008, 300), ordinal(2009, 100), 0, 166},  // borrows the 366 days of 2008
    };
    for (const auto& c : cases) {
        const std::optional<YearsDays> diff = DiffYD(c.first, c.second);
        ASSERT_TRUE(diff.has_value()) << c.first.jdn;
        EXPECT_EQ(diff->years, c.years) << c.first.jdn;
        EXPECT_EQ(diff->days, c.days) << c.first.jdn;
    }
    EXPECT_FALSE(DiffYD(ordinal(2009, 100), ordinal(2008, 100)).has_value());
}

}  // namespace
}  // namespace tembrel
