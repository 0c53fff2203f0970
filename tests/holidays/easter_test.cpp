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
    bool orthodox;
};

// Published Easter Sundays, among them the earliest and latest dates (the
// reference check compares every year of 1583..4099 with dateutil).
TEST(Easter, KnownDates) {
    for (const KnownEaster& easter : {KnownEaster{1818, 3, 22, false},
                                      {1943, 4, 25, false},
                                      {2008, 3, 23, false},
                                      {2024, 3, 31, false},
                                      {2285, 3, 22, false},
                                      {2010, 4, 4, true},
                                      {2016, 5, 1, true},
                                      {2024, 5, 5, true}}) {
        const int64_t expected = GregorianDay(easter.year, easter.month, easter.day);
        if (easter.orthodox) {
            EXPECT_EQ(OrthodoxEasterOfJulianYear(easter.year), expected) << easter.year;
            EXPECT_EQ(OrthodoxEastersInYear(easter.year), std::vector<int64_t>{expected});
        } else {
            EXPECT_EQ(WesternEaster(easter.year), expected) << easter.year;
        }
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
