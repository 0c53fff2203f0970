// The astronomical calendars against published dates, the hand-over of the
// Persian calendar to its arithmetic rule, and their per-thread caches under
// threads converting at once.
//
// Sources of the dates (facts, typed in here):
//  - Chinese new years and leap months 2000..2036: the Hong Kong Observatory's
//    Gregorian-Lunar calendar conversion tables, as every almanac prints them.
//  - Naw-Rúz 2015..2064: the dates the Bahá'í World Centre published with the
//    calendar provisions of 2014 (172..221 BE).
//  - 1 Farvardin 1395..1404: the Iranian calendar as published by the Institute
//    of Geophysics of the University of Tehran.
#include <gtest/gtest.h>

#include <optional>
#include <thread>
#include <vector>

#include "core/calendars/bahai.h"
#include "core/calendars/chinese.h"
#include "core/calendars/persian.h"
#include "libs/roroviri/civil_day_math.h"
#include "tests/core/calendars/calendar_printers.h"

namespace tembrel {
namespace {

int32_t GregorianJdn(int32_t year, uint32_t month, int32_t day) {
    return static_cast<int32_t>(roroviri::math::GregorianMonthStart(year, month)) + day - 1;
}

struct GregorianDay {
    int32_t year;
    uint32_t month;
    int32_t day;
};

TEST(ChineseCalendar, NewYearsAndLeapMonthsMatchThePublishedTables) {
    struct ChineseYear {
        GregorianDay newYear;
        int leapMonth;  // 0: none
    };
    const ChineseYear years[] = {
        {{2000, 2, 5}, 0},  {{2001, 1, 24}, 4},  {{2002, 2, 12}, 0}, {{2003, 2, 1}, 0},
        {{2004, 1, 22}, 2}, {{2005, 2, 9}, 0},   {{2006, 1, 29}, 7}, {{2007, 2, 18}, 0},
        {{2008, 2, 7}, 0},  {{2009, 1, 26}, 5},  {{2010, 2, 14}, 0}, {{2011, 2, 3}, 0},
        {{2012, 1, 23}, 4}, {{2013, 2, 10}, 0},  {{2014, 1, 31}, 9}, {{2015, 2, 19}, 0},
        {{2016, 2, 8}, 0},  {{2017, 1, 28}, 6},  {{2018, 2, 16}, 0}, {{2019, 2, 5}, 0},
        {{2020, 1, 25}, 4}, {{2021, 2, 12}, 0},  {{2022, 2, 1}, 0},  {{2023, 1, 22}, 2},
        {{2024, 2, 10}, 0}, {{2025, 1, 29}, 6},  {{2026, 2, 17}, 0}, {{2027, 2, 6}, 0},
        {{2028, 1, 26}, 5}, {{2029, 2, 13}, 0},  {{2030, 2, 3}, 0},  {{2031, 1, 23}, 3},
        {{2032, 2, 11}, 0}, {{2033, 1, 31}, 11}, {{2034, 2, 19}, 0}, {{2035, 2, 8}, 0},
        {{2036, 1, 28}, 6}};
    for (const ChineseYear& year : years) {
        const int32_t cycleYear = year.newYear.year + 2637 - 1;
        const int32_t cycle = cycleYear / 60 + 1;
        const int32_t inCycle = cycleYear % 60 + 1;
        const int32_t jdn = GregorianJdn(year.newYear.year, year.newYear.month, year.newYear.day);
        EXPECT_EQ(ChineseDateOfJdn(jdn),
                  (std::optional<ChineseDate>{{cycle, inCycle, 1, false, 1}}))
            << year.newYear.year;
        EXPECT_EQ(ChineseDateOfJdn(jdn - 1)->month, 12) << year.newYear.year;
        EXPECT_EQ(ChineseLeapMonth(cycle, inCycle), year.leapMonth) << year.newYear.year;
    }
}

// The constants the table of notations takes its ranges from are the days the
// astronomy computes, and the days just outside have no date.
TEST(AstronomicalCalendars, RangeConstantsAreTheComputedEnds) {
    EXPECT_EQ(kFirstChineseJdn, FirstChineseJdn());
    EXPECT_EQ(kLastChineseJdn, LastChineseJdn());
    EXPECT_EQ(kLastBahaiJdn, LastBahaiJdn());
    EXPECT_FALSE(ChineseDateOfJdn(kFirstChineseJdn - 1).has_value());
    EXPECT_TRUE(ChineseDateOfJdn(kFirstChineseJdn).has_value());
    EXPECT_TRUE(ChineseDateOfJdn(kLastChineseJdn).has_value());
    EXPECT_FALSE(ChineseDateOfJdn(kLastChineseJdn + 1).has_value());
    EXPECT_TRUE(BahaiDateOfJdn(kLastBahaiJdn).has_value());
    EXPECT_FALSE(BahaiDateOfJdn(kLastBahaiJdn + 1).has_value());
}

TEST(ChineseCalendar, MonthsHaveTwentyNineOrThirtyDaysAndYearsTwelveOrThirteen) {
    for (int32_t elapsed = 1637; elapsed <= 5637; elapsed += 7) {
        const int32_t cycle = (elapsed - 1) / 60 + 1;
        const int32_t year = (elapsed - 1) % 60 + 1;
        int days = 0;
        for (int month = 1; month <= 12; ++month) {
            for (const bool leap : {false, true}) {
                const int length = ChineseMonthLength({cycle, year, month, leap, 1});
                EXPECT_TRUE(length == 0 ? leap : length == 29 || length == 30)
                    << cycle << '-' << year << '-' << month << (leap ? "L" : "");
                days += length;
            }
        }
        EXPECT_TRUE((days >= 353 && days <= 355) || (days >= 383 && days <= 385))
            << cycle << '-' << year << ": " << days << " days";
    }
}

TEST(BahaiCalendar, NawRuzMatchesThePublishedDates) {
    const GregorianDay nawRuz[] = {
        {2015, 3, 21}, {2016, 3, 20}, {2017, 3, 20}, {2018, 3, 21}, {2019, 3, 21}, {2020, 3, 20},
        {2021, 3, 20}, {2022, 3, 21}, {2023, 3, 21}, {2024, 3, 20}, {2025, 3, 20}, {2026, 3, 21},
        {2027, 3, 21}, {2028, 3, 20}, {2029, 3, 20}, {2030, 3, 20}, {2031, 3, 21}, {2032, 3, 20},
        {2033, 3, 20}, {2034, 3, 20}, {2035, 3, 21}, {2036, 3, 20}, {2037, 3, 20}, {2038, 3, 20},
        {2039, 3, 21}, {2040, 3, 20}, {2041, 3, 20}, {2042, 3, 20}, {2043, 3, 21}, {2044, 3, 20},
        {2045, 3, 20}, {2046, 3, 20}, {2047, 3, 21}, {2048, 3, 20}, {2049, 3, 20}, {2050, 3, 20},
        {2051, 3, 21}, {2052, 3, 20}, {2053, 3, 20}, {2054, 3, 20}, {2055, 3, 21}, {2056, 3, 20},
        {2057, 3, 20}, {2058, 3, 20}, {2059, 3, 20}, {2060, 3, 20}, {2061, 3, 20}, {2062, 3, 20},
        {2063, 3, 20}, {2064, 3, 20}};
    for (const GregorianDay& day : nawRuz) {
        const int32_t year = day.year - 1843;
        EXPECT_EQ(BahaiNewYear(year), GregorianJdn(day.year, day.month, day.day)) << year;
        EXPECT_EQ(BahaiDateOfJdn(GregorianJdn(day.year, day.month, day.day)),
                  (std::optional<YmdDate>{{year, 1, 1}}));
    }
    // The last year by the 21 March rule, 171 BE, ends the day before 172 BE.
    EXPECT_EQ(BahaiDateOfJdn(GregorianJdn(2015, 3, 20)), (std::optional<YmdDate>{{171, 19, 19}}));
}

TEST(PersianCalendar, NewYearsMatchThePublishedCalendar) {
    const GregorianDay farvardinFirst[] = {
        {2016, 3, 20}, {2017, 3, 21}, {2018, 3, 21}, {2019, 3, 21}, {2020, 3, 20},
        {2021, 3, 21}, {2022, 3, 21}, {2023, 3, 21}, {2024, 3, 20}, {2025, 3, 21}};
    for (const GregorianDay& day : farvardinFirst) {
        EXPECT_EQ(PersianNewYear(day.year - 621), GregorianJdn(day.year, day.month, day.day))
            << day.year - 621;
    }
}

TEST(PersianCalendar, TheArithmeticRuleTakesOverWhereBothRulesAgree) {
    for (const int32_t year : {kFirstAstronomicalPersianYear, kLastAstronomicalPersianYear}) {
        EXPECT_EQ(PersianNewYear(year), ArithmeticPersianNewYear(year)) << year;
    }
    for (int32_t year = kFirstAstronomicalPersianYear - 40;
         year <= kLastAstronomicalPersianYear + 40; ++year) {
        const int64_t length = PersianNewYear(year + 1) - PersianNewYear(year);
        ASSERT_TRUE(length == 365 || length == 366) << year << ": " << length;
    }
}

struct Dates {
    std::optional<ChineseDate> chinese;
    YmdDate persian;
    std::optional<YmdDate> bahai;
    friend bool operator==(const Dates&, const Dates&) = default;
};

TEST(AstronomicalCalendars, ThreadsConvertingAtOnceGetTheSameDates) {
    // Days spread over many years, so that the threads fill and evict their
    // caches while the others do the same.
    std::vector<int32_t> days;
    for (int32_t jdn = 1400000; jdn < 2800000; jdn += 997) {
        days.push_back(jdn);
    }
    auto convertAll = [&](size_t start) {
        std::vector<Dates> dates(days.size());
        for (size_t i = 0; i < days.size(); ++i) {
            const size_t k = (i + start) % days.size();
            dates[k] = {ChineseDateOfJdn(days[k]), PersianDateOfJdn(days[k]),
                        BahaiDateOfJdn(days[k])};
        }
        return dates;
    };
    const std::vector<Dates> expected = convertAll(0);
    std::vector<std::vector<Dates>> results(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < results.size(); ++t) {
        threads.emplace_back([&, t] { results[t] = convertAll(t * days.size() / 4); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::vector<Dates>& result : results) {
        EXPECT_TRUE(result == expected);
    }
}

}  // namespace
}  // namespace tembrel
