// Gregorian and Julian conversions: known dates, agreement with an independent
// model on whole cycles and on a random sample of the whole 32-bit range, the
// limits, and month and day values that count on.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>

#include "libs/roroviri/roroviri.h"
#include "tests/libs/roroviri/reference_calendar.h"
#include "tests/libs/roroviri/test_support.h"

namespace roroviri_test {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

struct KnownDate {
    Calendar calendar;
    Ymd date;
    int32_t jdn;
};

// Cross-checked with other date software: the Gregorian rows against day ordinals
// of the proleptic Gregorian calendar, the Julian rows by the 13- and 10-day
// offsets between the calendars.
const KnownDate kKnownDates[] = {
    {Calendar::Gregorian, {1, 1, 1}, 1721426},       // first day of the ordinal range
    {Calendar::Gregorian, {9999, 12, 31}, 5373484},  // last day of the ordinal range
    {Calendar::Gregorian, {1970, 1, 1}, 2440588},
    {Calendar::Gregorian, {2000, 1, 1}, 2451545},
    {Calendar::Gregorian, {2000, 2, 29}, 2451604},  // leap century
    {Calendar::Gregorian, {1900, 1, 1}, 2415021},
    {Calendar::Gregorian, {1900, 3, 1}, 2415080},  // 1900 has no 29 February
    {Calendar::Gregorian, {2100, 3, 1}, 2488129},
    {Calendar::Gregorian, {1582, 10, 15}, 2299161},  // the day after Julian 1582-10-04
    {Calendar::Gregorian, {0, 3, 1}, 1721120},       // year 0 is a leap year
    {Calendar::Gregorian, {0, 2, 29}, 1721119},
    {Calendar::Julian, {-4712, 1, 1}, 0},
    {Calendar::Julian, {1582, 10, 4}, 2299160},
    {Calendar::Julian, {1900, 2, 29}, 2415092},  // every fourth year is leap
    {Calendar::Julian, {1900, 3, 1}, 2415093},
    {Calendar::Julian, {2000, 1, 1}, 2451558},
    {Calendar::Julian, {1, 1, 1}, 1721424},
};

TEST(EuroConversion, KnownDatesConvertBothWays) {
    for (const KnownDate& known : kKnownDates) {
        SCOPED_TRACE(testing::Message() << MarkerOf(known.calendar) << ' ' << known.date);
        EXPECT_EQ(LibraryJdn(known.calendar, known.date), known.jdn);
        EXPECT_EQ(LibraryDate(known.calendar, known.jdn), known.date);
    }
}

TEST(EuroConversion, StoresTheDayNumberInTheRecordAndLeavesSpareAlone) {
    CalDate date = MakeDate(2008, 1, 15, 'G');
    date.spare = 77;
    EXPECT_EQ(euro_date_to_jdn(&date), 2454481);
    EXPECT_EQ(date.jdn, 2454481);
    EXPECT_EQ(date.spare, 77);

    CalDate back{};
    back.marker = 'G';
    back.jdn = 2454481;
    back.spare = 5;
    EXPECT_EQ(jdn_to_euro_date(&back), 0);
    EXPECT_EQ(back.year, 2008);
    EXPECT_EQ(back.month, 1);
    EXPECT_EQ(back.day, 15);
    EXPECT_EQ(back.marker, 'G');
    EXPECT_EQ(back.spare, 5);
}

TEST(EuroConversion, UnsupportedMarkersAnswerNoDayNumberAndLeaveTheDateAlone) {
    for (const int32_t marker :
         {int32_t{'N'}, int32_t{'A'}, int32_t{'I'}, int32_t{'g'}, int32_t{'j'}, 0, -71, 71 + 256}) {
        SCOPED_TRACE(marker);
        CalDate date = MakeDate(2008, 1, 15, 'G');
        date.marker = marker;
        EXPECT_EQ(euro_date_to_jdn(&date), kRoroviriNoJdn);
        EXPECT_EQ(date.jdn, kRoroviriNoJdn);

        date.jdn = 2454481;
        EXPECT_EQ(jdn_to_euro_date(&date), -1);
        EXPECT_EQ(date.year, 2008);
        EXPECT_EQ(date.month, 1);
        EXPECT_EQ(date.day, 15);
    }
}

class EuroConversionBothCalendars : public testing::TestWithParam<Calendar> {};

INSTANTIATE_TEST_SUITE_P(, EuroConversionBothCalendars,
                         testing::Values(Calendar::Gregorian, Calendar::Julian),
                         [](const testing::TestParamInfo<Calendar>& param) {
                             return param.param == Calendar::Gregorian ? "Gregorian" : "Julian";
                         });

// Walks 400 years forward and 400 years back from 1 January of year 1, one day at
// a time with the month-length table: every day matches in both directions. The
// walk crosses year 0, the negative years and the century rules.
TEST_P(EuroConversionBothCalendars, AgreesWithADayByDayWalkOverFourHundredYearsEachWay) {
    const Calendar calendar = GetParam();
    const int32_t firstOfYearOne = static_cast<int32_t>(FirstOfYearOne(calendar));
    const int32_t daysPer400Years = calendar == Calendar::Gregorian ? 146097 : 146100;
    int failures = 0;
    for (const int step : {1, -1}) {
        Ymd walked{1, 1, 1};
        int32_t jdn = firstOfYearOne;
        for (int32_t i = 0; i <= daysPer400Years && failures < 10; ++i) {
            if (LibraryDate(calendar, jdn) != walked || LibraryJdn(calendar, walked) != jdn) {
                ADD_FAILURE() << "JDN " << jdn << " walked to " << walked << ", library says "
                              << LibraryDate(calendar, jdn) << " and "
                              << LibraryJdn(calendar, walked);
                ++failures;
            }
            if (i < daysPer400Years) {
                walked = step > 0 ? NextDay(calendar, walked) : PreviousDay(calendar, walked);
                jdn += step;
            }
        }
        EXPECT_EQ(walked, (Ymd{step > 0 ? 401 : -399, 1, 1}));
    }
}

TEST_P(EuroConversionBothCalendars, AgreesWithTheReferenceOnARandomSampleOfAll32BitDayNumbers) {
    const Calendar calendar = GetParam();
    std::mt19937_64 generator = SeededGenerator();
    std::uniform_int_distribution<int32_t> anyJdn(kInt32Min + 1, kInt32Max);
    int failures = 0;
    for (int i = 0; i < 2'000'000 && failures < 10; ++i) {
        const int32_t jdn = anyJdn(generator);
        const Ymd expected = ReferenceDate(calendar, jdn);
        const Ymd actual = LibraryDate(calendar, jdn);
        if (actual != expected || LibraryJdn(calendar, expected) != jdn) {
            ADD_FAILURE() << "JDN " << jdn << ": expected " << expected << ", got " << actual
                          << " and back " << LibraryJdn(calendar, expected);
            ++failures;
        }
    }
}

// The ends of the 32-bit range and of the program's range, one day either side.
TEST_P(EuroConversionBothCalendars, ConvertsTheLimitsExactly) {
    const Calendar calendar = GetParam();
    for (const int32_t jdn : {kInt32Min + 1, kInt32Min + 2, kMinJdn - 1, kMinJdn, kMinJdn + 1,
                              kMaxJdn - 1, kMaxJdn, kMaxJdn + 1, kInt32Max - 1, kInt32Max}) {
        SCOPED_TRACE(jdn);
        const Ymd date = LibraryDate(calendar, jdn);
        EXPECT_EQ(date, ReferenceDate(calendar, jdn));
        EXPECT_EQ(LibraryJdn(calendar, date), jdn);
    }
    // INT32_MIN itself has a date, but as a result it is the "no day number" answer.
    const Ymd earliest = LibraryDate(calendar, kInt32Min);
    EXPECT_EQ(earliest, ReferenceDate(calendar, kInt32Min));
    EXPECT_EQ(LibraryJdn(calendar, earliest), kRoroviriNoJdn);
}

TEST_P(EuroConversionBothCalendars, DatesBeyondThe32BitRangeHaveNoDayNumber) {
    const Calendar calendar = GetParam();
    const Ymd afterLast = NextDay(calendar, ReferenceDate(calendar, kInt32Max));
    const Ymd beforeFirst = PreviousDay(calendar, ReferenceDate(calendar, kInt32Min));
    EXPECT_EQ(LibraryJdn(calendar, afterLast), kRoroviriNoJdn);
    EXPECT_EQ(LibraryJdn(calendar, beforeFirst), kRoroviriNoJdn);
    for (const int32_t year : {kInt32Min, kInt32Min + 1, -5900000, 5900000, kInt32Max}) {
        SCOPED_TRACE(year);
        CalDate date = MakeDate(year, 6, 15, MarkerOf(calendar));
        date.jdn = 12345;
        EXPECT_EQ(euro_date_to_jdn(&date), kRoroviriNoJdn);
        EXPECT_EQ(date.jdn, kRoroviriNoJdn);
    }
}

// Months outside 1..12 move whole years and days count on from the month's first
// day, as far as the 32-bit fields reach, without overflow.
TEST_P(EuroConversionBothCalendars, CountsOnMonthsAndDaysOutsideTheirRange) {
    const Calendar calendar = GetParam();
    const auto jdnOf = [&](int32_t year, int32_t month, int32_t day) {
        CalDate date = MakeDate(year, month, day, MarkerOf(calendar));
        return euro_date_to_jdn(&date);
    };
    const auto referenceOf = [&](int64_t year, int64_t month, int64_t day) {
        return ReferenceJdn(calendar, {year, month, 1}) + day - 1;
    };
    EXPECT_EQ(jdnOf(2008, 13, 1), referenceOf(2009, 1, 1));
    EXPECT_EQ(jdnOf(2008, 0, 1), referenceOf(2007, 12, 1));
    EXPECT_EQ(jdnOf(2008, -11, 1), referenceOf(2007, 1, 1));
    EXPECT_EQ(jdnOf(2008, -12, 1), referenceOf(2006, 12, 1));
    EXPECT_EQ(jdnOf(2008, 25, 1), referenceOf(2010, 1, 1));
    EXPECT_EQ(jdnOf(2008, 3, 0), referenceOf(2008, 2, 29));
    EXPECT_EQ(jdnOf(2008, 1, 32), referenceOf(2008, 2, 1));
    EXPECT_EQ(jdnOf(2008, 1, -365), referenceOf(2006, 12, 31));
    // A day count that reaches across millions of years still lands exactly.
    EXPECT_EQ(jdnOf(-5000000, 1, kInt32Max), referenceOf(-5000000, 1, kInt32Max));
    EXPECT_EQ(jdnOf(5000000, 1, kInt32Min), referenceOf(5000000, 1, kInt32Min));
    // Extreme months and days leave the range instead of overflowing.
    EXPECT_EQ(jdnOf(kInt32Max, kInt32Max, kInt32Max), kRoroviriNoJdn);
    EXPECT_EQ(jdnOf(kInt32Min, kInt32Min, kInt32Min), kRoroviriNoJdn);
    EXPECT_EQ(jdnOf(0, kInt32Max, 1), kRoroviriNoJdn);
    EXPECT_EQ(jdnOf(0, kInt32Min, 1), kRoroviriNoJdn);

    std::mt19937_64 generator = SeededGenerator();
    std::uniform_int_distribution<int32_t> anyYear(-5800000, 5800000);
    std::uniform_int_distribution<int32_t> anyMonth(-1000, 1000);
    std::uniform_int_distribution<int32_t> anyDay(-100000, 100000);
    for (int i = 0; i < 100000; ++i) {
        const int32_t year = anyYear(generator);
        const int32_t month = anyMonth(generator);
        const int32_t day = anyDay(generator);
        const int64_t months = int64_t{month} - 1;
        const int64_t expected = referenceOf(year + FloorDivision(months, 12),
                                             months - 12 * FloorDivision(months, 12) + 1, day);
        ASSERT_EQ(jdnOf(year, month, day), expected) << year << '/' << month << '/' << day;
    }
}

}  // namespace
}  // namespace roroviri_test
