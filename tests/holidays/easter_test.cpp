#include "holidays/easter.h"

#include <gtest/gtest.h>

#include <random>

#include "holidays/civil_days.h"
#include "holidays/weekend.h"

namespace tembrel::holidays {
namespace {

struct KnownEaster {
    int32_t year;
    int32_t month;
    int32_t day;
};

// Published Easter Sundays, the earliest and latest dates among them.
TEST(Easter, KnownWesternDates) {
    for (const KnownEaster& easter : {KnownEaster{1818, 3, 22},
                                      {1943, 4, 25},
                                      {1954, 4, 18},
                                      {1961, 4, 2},
                                      {2000, 4, 23},
                                      {2008, 3, 23},
                                      {2011, 4, 24},
                                      {2019, 4, 21},
                                      {2024, 3, 31},
                                      {2025, 4, 20},
                                      {2038, 4, 25},
                                      {2285, 3, 22}}) {
        EXPECT_EQ(WesternEaster(easter.year), GregorianDay(easter.year, easter.month, easter.day))
            << easter.year;
    }
}

TEST(Easter, KnownOrthodoxDatesOnTheGregorianCalendar) {
    for (const KnownEaster& easter : {KnownEaster{2008, 4, 27},
                                      {2010, 4, 4},
                                      {2016, 5, 1},
                                      {2019, 4, 28},
                                      {2020, 4, 19},
                                      {2021, 5, 2},
                                      {2023, 4, 16},
                                      {2024, 5, 5},
                                      {2025, 4, 20}}) {
        const int64_t expected = GregorianDay(easter.year, easter.month, easter.day);
        EXPECT_EQ(OrthodoxEasterOfJulianYear(easter.year), expected) << easter.year;
        EXPECT_EQ(OrthodoxEastersInYear(easter.year), std::vector<int64_t>{expected});
    }
}

// Over the whole range of the tables: Easter is a Sunday between 22 March and
// 25 April of its calendar, and the dates repeat with the period of the rules.
TEST(Easter, SundaysInTheirSeasonAndPeriodicEverywhere) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int64_t> anyYear(-5700000, 5700000);
    for (int i = 0; i < 20000; ++i) {
        const int64_t year = anyYear(random);
        const int64_t western = WesternEaster(year);
        ASSERT_EQ(WeekdayOf(western), 0) << year;
        ASSERT_GE(western, GregorianDay(year, 3, 22)) << year;
        ASSERT_LE(western, GregorianDay(year, 4, 25)) << year;
        const int64_t orthodox = OrthodoxEasterOfJulianYear(year);
        ASSERT_EQ(WeekdayOf(orthodox), 0) << year;
        ASSERT_GE(orthodox, JulianDay(year, 3, 22)) << year;
        ASSERT_LE(orthodox, JulianDay(year, 4, 25)) << year;
        // 5,700,000 Gregorian years and 532 Julian years bring the same dates back.
        const int64_t later = year > 0 ? year - 5700000 : year + 5700000;
        ASSERT_EQ(western - GregorianDay(year, 3, 1),
                  WesternEaster(later) - GregorianDay(later, 3, 1));
        ASSERT_EQ(orthodox - JulianDay(year, 3, 1),
                  OrthodoxEasterOfJulianYear(year + 532) - JulianDay(year + 532, 3, 1));
    }
}

// The counting tables treat centuries with equal parts alike: their Easter
// dates must agree year by year.
TEST(Easter, CenturiesWithEqualPartsHaveEqualEasterDays) {
    std::mt19937_64 random(11);
    std::uniform_int_distribution<int64_t> anyCentury(-57000, 57000);
    for (int i = 0; i < 3000; ++i) {
        const int64_t century = anyCentury(random);
        const GregorianCenturyParts parts = GregorianEasterCentury(century);
        // A century 5,700,000 years away and one of a random other century with
        // the same key.
        int64_t other = century + (century > 0 ? -57000 : 57000);
        ASSERT_EQ(GregorianEasterCentury(other).Key(), parts.Key());
        for (int32_t c = 0; c < 100; c += 7) {
            const int64_t year = century * 100 + c;
            ASSERT_EQ(WesternEaster(year) - GregorianDay(year, 3, 1) + 1,
                      GregorianEasterMarchDay(parts, c));
            other = anyCentury(random);
            if (GregorianEasterCentury(other).Key() == parts.Key()) {
                ASSERT_EQ(WesternEaster(other * 100 + c) - GregorianDay(other * 100 + c, 3, 1),
                          WesternEaster(year) - GregorianDay(year, 3, 1));
            }
        }
    }
}

// Every Orthodox Easter belongs to exactly one Gregorian year, also where the
// Julian calendar has drifted by more than a season.
TEST(Easter, EveryOrthodoxEasterFallsInOneGregorianYear) {
    for (const int64_t firstYear :
         {int64_t{-5700000}, int64_t{-40000}, int64_t{1990}, int64_t{40000}, int64_t{5699000}}) {
        std::vector<int64_t> byGregorianYear;
        for (int64_t year = firstYear; year < firstYear + 600; ++year) {
            for (const int64_t easter : OrthodoxEastersInYear(year)) {
                ASSERT_EQ(GregorianDateOf(static_cast<int32_t>(easter)).year, year);
                byGregorianYear.push_back(easter);
            }
        }
        // The same Sundays, taken Julian year by Julian year over the same days.
        std::vector<int64_t> byJulianYear;
        const int64_t from = GregorianDay(firstYear, 1, 1);
        const int64_t to = GregorianDay(firstYear + 600, 1, 1);
        for (int64_t year = JulianYearOf(static_cast<int32_t>(from)) - 1;
             year <= JulianYearOf(static_cast<int32_t>(to)) + 1; ++year) {
            const int64_t easter = OrthodoxEasterOfJulianYear(year);
            if (easter >= from && easter < to) {
                byJulianYear.push_back(easter);
            }
        }
        EXPECT_EQ(byGregorianYear, byJulianYear) << firstYear;
    }
}

}  // namespace
}  // namespace tembrel::holidays
