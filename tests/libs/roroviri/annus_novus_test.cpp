// Revar Overe conversions: the year coincides with the Gregorian year, the month
// lengths, a day-by-day walk over a whole 400-year cycle, the limits and months
// and days that count on.
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

int64_t MonthLengthOf(int64_t year, int64_t month) {
    if (month <= 5) {
        return 37;
    }
    return month == 10 && IsLeap(Calendar::Gregorian, year) ? 37 : 36;
}

int32_t AnnusNovusJdn(int32_t year, int32_t month, int32_t day) {
    CalDate date = MakeDate(year, month, day, 'A');
    return annus_novus_date_to_jdn(&date);
}

Ymd AnnusNovusDate(int32_t jdn) {
    CalDate date{};
    date.jdn = jdn;
    jdn_to_annus_novus_date(&date);
    return {date.year, date.month, date.day};
}

TEST(AnnusNovus, YearsStartAndEndWithTheGregorianYear) {
    for (const int32_t year : {-401, -400, -1, 0, 1, 1899, 1900, 2000, 2008, 2009, 2100, 5800000}) {
        SCOPED_TRACE(year);
        const auto newYear = static_cast<int32_t>(ReferenceJdn(Calendar::Gregorian, {year, 1, 1}));
        EXPECT_EQ(AnnusNovusJdn(year, 1, 1), newYear);
        EXPECT_EQ(AnnusNovusJdn(year, 11, 1) - newYear,
                  IsLeap(Calendar::Gregorian, year) ? 366 : 365);
        EXPECT_EQ(AnnusNovusDate(newYear - 1), (Ymd{year - 1, 10, MonthLengthOf(year - 1, 10)}));
    }
}

TEST(AnnusNovus, MonthsHaveThirtySevenOrThirtySixDays) {
    for (const int32_t year : {1900, 2000, 2008, 2009}) {
        for (int32_t month = 1; month <= 10; ++month) {
            SCOPED_TRACE(testing::Message() << year << '-' << month);
            EXPECT_EQ(AnnusNovusJdn(year, month + 1, 1) - AnnusNovusJdn(year, month, 1),
                      MonthLengthOf(year, month));
        }
    }
    EXPECT_EQ(AnnusNovusDate(AnnusNovusJdn(2008, 10, 37)), (Ymd{2008, 10, 37}));
    EXPECT_EQ(AnnusNovusDate(AnnusNovusJdn(2009, 10, 37)), (Ymd{2010, 1, 1}));
    EXPECT_EQ(AnnusNovusDate(AnnusNovusJdn(2009, 5, 37)), (Ymd{2009, 5, 37}));
    EXPECT_EQ(AnnusNovusDate(AnnusNovusJdn(2009, 6, 37)), (Ymd{2009, 7, 1}));
}

TEST(AnnusNovus, AgreesWithADayByDayWalkOverFourHundredYears) {
    Ymd walked{1, 1, 1};
    int failures = 0;
    for (int32_t jdn = 1721426; jdn <= 1721426 + 146097 && failures < 10; ++jdn) {
        if (AnnusNovusDate(jdn) != walked ||
            AnnusNovusJdn(static_cast<int32_t>(walked.year), static_cast<int32_t>(walked.month),
                          static_cast<int32_t>(walked.day)) != jdn) {
            ADD_FAILURE() << "JDN " << jdn << " walked to " << walked << ", library says "
                          << AnnusNovusDate(jdn);
            ++failures;
        }
        if (walked.day < MonthLengthOf(walked.year, walked.month)) {
            ++walked.day;
        } else if (walked.month < 10) {
            walked = {walked.year, walked.month + 1, 1};
        } else {
            walked = {walked.year + 1, 1, 1};
        }
    }
}

TEST(AnnusNovus, ReturnsTheDayOfTheWeekAndSetsTheMarker) {
    CalDate date{};
    date.jdn = 2454481;  // Tuesday 15 January 2008
    date.marker = 'G';
    EXPECT_EQ(jdn_to_annus_novus_date(&date), 2);
    EXPECT_EQ(date.marker, 'A');
    EXPECT_EQ((Ymd{date.year, date.month, date.day}), (Ymd{2008, 1, 15}));
    date.jdn = 2454479;  // Sunday
    EXPECT_EQ(jdn_to_annus_novus_date(&date), 0);
}

TEST(AnnusNovus, RoundTripsARandomSampleAndTheLimits) {
    std::mt19937_64 generator = SeededGenerator();
    std::uniform_int_distribution<int32_t> anyJdn(kInt32Min + 1, kInt32Max);
    for (int i = 0; i < 200000; ++i) {
        const int32_t jdn = anyJdn(generator);
        const Ymd date = AnnusNovusDate(jdn);
        ASSERT_EQ(AnnusNovusJdn(static_cast<int32_t>(date.year), static_cast<int32_t>(date.month),
                                static_cast<int32_t>(date.day)),
                  jdn);
    }
    for (const int32_t jdn : {kInt32Min + 1, kMinJdn, kMaxJdn, kInt32Max}) {
        SCOPED_TRACE(jdn);
        const Ymd date = AnnusNovusDate(jdn);
        EXPECT_EQ(date.year, ReferenceDate(Calendar::Gregorian, jdn).year);
        EXPECT_EQ(AnnusNovusJdn(static_cast<int32_t>(date.year), static_cast<int32_t>(date.month),
                                static_cast<int32_t>(date.day)),
                  jdn);
    }
    const Ymd last = AnnusNovusDate(kInt32Max);
    EXPECT_EQ(AnnusNovusJdn(static_cast<int32_t>(last.year), static_cast<int32_t>(last.month),
                            static_cast<int32_t>(last.day) + 1),
              kRoroviriNoJdn);
    EXPECT_EQ(AnnusNovusJdn(kInt32Max, 1, 1), kRoroviriNoJdn);
    EXPECT_EQ(AnnusNovusJdn(kInt32Min, 1, 1), kRoroviriNoJdn);
}

TEST(AnnusNovus, CountsOnMonthsAndDaysOutsideTheirRange) {
    EXPECT_EQ(AnnusNovusJdn(2008, 11, 1), AnnusNovusJdn(2009, 1, 1));
    EXPECT_EQ(AnnusNovusJdn(2008, 0, 1), AnnusNovusJdn(2007, 10, 1));
    EXPECT_EQ(AnnusNovusJdn(2008, -9, 1), AnnusNovusJdn(2007, 1, 1));
    EXPECT_EQ(AnnusNovusJdn(2008, 2, 0), AnnusNovusJdn(2008, 1, 37));
    EXPECT_EQ(AnnusNovusJdn(2008, 1, 38), AnnusNovusJdn(2008, 2, 1));
    EXPECT_EQ(AnnusNovusJdn(0, kInt32Max, 1), kRoroviriNoJdn);
    EXPECT_EQ(AnnusNovusJdn(kInt32Min, kInt32Min, kInt32Min), kRoroviriNoJdn);
}

}  // namespace
}  // namespace roroviri_test
