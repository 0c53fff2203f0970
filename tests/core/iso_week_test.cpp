#include "core/iso_week.h"

#include <gtest/gtest.h>

#include <random>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"

#include "tests/support/dates.h"

namespace tembrel {
namespace {

using test_support::GregorianJDN;

// An ISO week date computed another way: from the Gregorian ordinal day and the
// weekday, week = (ordinal - weekday + 10) / 7, moved into the neighbouring year
// when it falls outside the year's weeks.
ISOWeekDate ReferenceISO(int32_t jdn) {
    const CalDate date = CalDateOfJDN(jdn, kMarkerGregorian);
    const int weekday = DayOfWeek(jdn) == 0 ? 7 : DayOfWeek(jdn);
    const int64_t ordinal = int64_t{jdn} - GregorianJDN(date.year, 1, 1) + 1;
    auto weeksIn = [](int32_t year) {
        const int jan1 = DayOfWeek(GregorianJDN(year, 1, 1));  // 0 = Sunday
        const bool leap = IsLeapYear(year, "G");
        return (jan1 == 4 || (leap && jan1 == 3)) ? 53 : 52;
    };
    ISOWeekDate iso;
    iso.jdn = jdn;
    iso.weekday = weekday;
    iso.year = date.year;
    iso.week = static_cast<int32_t>((ordinal - weekday + 10) / 7);
    if (iso.week < 1) {
        iso.year = date.year - 1;
        iso.week = weeksIn(iso.year);
    } else if (iso.week > weeksIn(date.year)) {
        iso.year = date.year + 1;
        iso.week = 1;
    }
    return iso;
}

void ExpectSameISO(const ISOWeekDate& actual, const ISOWeekDate& expected) {
    EXPECT_EQ(actual.year, expected.year) << "jdn " << expected.jdn;
    EXPECT_EQ(actual.week, expected.week) << "jdn " << expected.jdn;
    EXPECT_EQ(actual.weekday, expected.weekday) << "jdn " << expected.jdn;
}

TEST(ISOWeekDate, KnownYearBoundaries) {
    const ISOWeekDate newYear2005 = ISOWeekDateOf(GregorianJDN(2005, 1, 1));
    EXPECT_EQ(newYear2005.year, 2004);
    EXPECT_EQ(newYear2005.week, 53);
    EXPECT_EQ(newYear2005.weekday, 6);
    EXPECT_EQ(ISOWeekOneStart(2005), GregorianJDN(2005, 1, 3));

    const ISOWeekDate endOf2008 = ISOWeekDateOf(GregorianJDN(2008, 12, 31));
    EXPECT_EQ(endOf2008.year, 2009);
    EXPECT_EQ(endOf2008.week, 1);
    EXPECT_EQ(endOf2008.weekday, 3);

    const ISOWeekDate newYear2006 = ISOWeekDateOf(GregorianJDN(2006, 1, 1));
    EXPECT_EQ(newYear2006.year, 2005);
    EXPECT_EQ(newYear2006.week, 52);
    EXPECT_EQ(newYear2006.weekday, 7) << "Sunday is weekday 7";
    EXPECT_EQ(ISOWeekOneStart(2006), GregorianJDN(2006, 1, 2));
    EXPECT_EQ(ISOWeekOneStart(2009), GregorianJDN(2008, 12, 29)) << "the Monday before 1 January";
}

TEST(ISOWeekDate, YearsWith53Weeks) {
    for (int32_t year : {2004, 2009, 2015, 2020, 2026}) {
        EXPECT_TRUE(ISOYearHas53Weeks(year)) << year;
    }
    for (int32_t year : {2008, 2010, 2021}) {
        EXPECT_FALSE(ISOYearHas53Weeks(year)) << year;
    }
    // The rule agrees with the distance between consecutive week-one Mondays.
    for (int32_t year = -400; year <= 400; ++year) {
        const int32_t weeks = (*ISOWeekOneStart(year + 1) - *ISOWeekOneStart(year)) / 7;
        EXPECT_EQ(weeks == 53, ISOYearHas53Weeks(year)) << year;
    }
}

TEST(ISOWeekDate, AgreesWithTheOrdinalFormulaOverA400YearCycle) {
    const int32_t start = GregorianJDN(1600, 1, 1);
    const int32_t end = GregorianJDN(2000, 1, 1);
    for (int32_t jdn = start; jdn < end; ++jdn) {
        const ISOWeekDate iso = ISOWeekDateOf(jdn);
        const ISOWeekDate reference = ReferenceISO(jdn);
        if (iso.year != reference.year || iso.week != reference.week ||
            iso.weekday != reference.weekday) {
            ExpectSameISO(iso, reference);
            return;
        }
        ASSERT_EQ(JDNOfISOWeekDate(iso), jdn);
    }
}

TEST(ISOWeekDate, RoundTripsAcrossTheWholeRange) {
    std::mt19937 random(20081231);
    std::uniform_int_distribution<int32_t> anyDay(kMinJDN, kMaxJDN);
    for (int i = 0; i < 200000; ++i) {
        const int32_t jdn = anyDay(random);
        const ISOWeekDate iso = ISOWeekDateOf(jdn);
        const ISOWeekDate reference = ReferenceISO(jdn);
        ASSERT_EQ(iso.year, reference.year) << jdn;
        ASSERT_EQ(iso.week, reference.week) << jdn;
        ASSERT_EQ(iso.weekday, reference.weekday) << jdn;
        ASSERT_EQ(JDNOfISOWeekDate(iso), jdn);
    }
    for (int32_t jdn : {kMinJDN, kMinJDN + 1, kMaxJDN - 1, kMaxJDN}) {
        const ISOWeekDate iso = ISOWeekDateOf(jdn);
        EXPECT_EQ(iso.jdn, jdn);
        EXPECT_EQ(JDNOfISOWeekDate(iso), jdn);
    }
}

TEST(ISOWeekDate, WeekAndWeekdayAreTakenAsTheyAre) {
    ISOWeekDate record;
    record.year = 2008;
    record.week = 0;
    record.weekday = 1;
    EXPECT_EQ(JDNOfISOWeekDate(record), *ISOWeekOneStart(2008) - 7);
    record.year = INT32_MAX;
    EXPECT_FALSE(JDNOfISOWeekDate(record).has_value())
        << "a year beyond 32-bit day numbers has no day";
    EXPECT_FALSE(ISOWeekOneStart(INT32_MAX).has_value());
}

TEST(OrdinalDate, CountsFromNewYear) {
    EXPECT_EQ(OrdinalToJDN(2008, 366), GregorianJDN(2008, 12, 31));
    EXPECT_EQ(OrdinalToJDN(1, 1), kFirstJDNOfCE1);
    EXPECT_EQ(OrdinalToJDN(9999, 365), kLastJDNOfCE9999);
    EXPECT_EQ(OrdinalToJDN(2007, 366), GregorianJDN(2008, 1, 1)) << "no range check of its own";
    EXPECT_FALSE(OrdinalToJDN(INT32_MAX, 1).has_value());
}

TEST(IsLeapYear, FollowsTheMarkersRule) {
    EXPECT_TRUE(IsLeapYear(1900, "J"));
    EXPECT_TRUE(IsLeapYear(1900, "j"));
    EXPECT_FALSE(IsLeapYear(1900, "G"));
    EXPECT_TRUE(IsLeapYear(2000, "G"));
    EXPECT_TRUE(IsLeapYear(0, "G"));
    EXPECT_TRUE(IsLeapYear(-4, "G"));
    EXPECT_FALSE(IsLeapYear(-1, "J"));
    EXPECT_FALSE(IsLeapYear(-100, "G"));
    EXPECT_TRUE(IsLeapYear(-400, "G"));
    EXPECT_FALSE(IsLeapYear(2100, ""));
}

}  // namespace
}  // namespace tembrel
