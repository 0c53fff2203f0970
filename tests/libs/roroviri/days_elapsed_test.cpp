// Days between two dates, across calendars, and the error flag.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "libs/roroviri/roroviri.h"
#include "tests/libs/roroviri/test_support.h"

namespace roroviri_test {
namespace {

// Returns the date of a day number in the marker's calendar.
CalDate DateOf(int32_t jdn, char marker) {
    CalDate date{};
    date.marker = marker;
    date.jdn = jdn;
    jdn_to_euro_date(&date);
    return date;
}

TEST(DaysElapsed, CountsDaysWithinAndAcrossCalendars) {
    int32_t error = 0;
    const CalDate march = MakeDate(2008, 3, 1, 'G');
    const CalDate february = MakeDate(2008, 2, 1, 'G');
    EXPECT_EQ(days_elapsed(&march, &february, &error), 29);
    EXPECT_EQ(days_elapsed(&february, &march, &error), -29);
    EXPECT_EQ(days_elapsed(&march, &march, &error), 0);

    const CalDate gregorianStart = MakeDate(1582, 10, 15, 'G');
    const CalDate lastJulian = MakeDate(1582, 10, 4, 'J');
    EXPECT_EQ(days_elapsed(&gregorianStart, &lastJulian, &error), 1);

    const CalDate secondMonth = MakeDate(2008, 2, 1, 'A');
    const CalDate newYear = MakeDate(2008, 1, 1, 'A');
    EXPECT_EQ(days_elapsed(&secondMonth, &newYear, &error), 37);
    EXPECT_EQ(days_elapsed(&newYear, &february, &error), -31);
    EXPECT_EQ(error, 0);
}

TEST(DaysElapsed, ReadsNeitherDayNumberAndLeavesTheFlagAloneOnSuccess) {
    CalDate later = MakeDate(2008, 3, 1, 'G');
    CalDate earlier = MakeDate(2008, 2, 1, 'G');
    later.jdn = 999;
    earlier.jdn = -999;
    int32_t error = 42;
    EXPECT_EQ(days_elapsed(&later, &earlier, &error), 29);
    EXPECT_EQ(error, 42);
}

TEST(DaysElapsed, SetsTheFlagWhenADateHasNoDayNumber) {
    const CalDate valid = MakeDate(2008, 3, 1, 'G');
    for (const CalDate& bad :
         {MakeDate(2008, 3, 1, 'N'), MakeDate(2008, 3, 1, 'I'), MakeDate(5900000, 1, 1, 'G'),
          MakeDate(std::numeric_limits<int32_t>::min(), 1, 1, 'J')}) {
        int32_t error = 0;
        EXPECT_EQ(days_elapsed(&valid, &bad, &error), 0);
        EXPECT_NE(error, 0);
        error = 0;
        EXPECT_EQ(days_elapsed(&bad, &valid, &error), 0);
        EXPECT_NE(error, 0);
    }
    EXPECT_EQ(days_elapsed(&valid, &valid, nullptr), 0);
    EXPECT_EQ(days_elapsed(&valid, nullptr, nullptr), 0);
}

TEST(DaysElapsed, SetsTheFlagWhenTheDifferenceDoesNotFitIn32Bits) {
    constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
    const CalDate last = DateOf(kInt32Max, 'G');
    const CalDate zero = DateOf(0, 'G');
    const CalDate minusOne = DateOf(-1, 'G');
    const CalDate first = DateOf(std::numeric_limits<int32_t>::min() + 1, 'G');
    int32_t error = 0;
    EXPECT_EQ(days_elapsed(&last, &zero, &error), kInt32Max);
    EXPECT_EQ(days_elapsed(&first, &zero, &error), std::numeric_limits<int32_t>::min() + 1);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(days_elapsed(&last, &minusOne, &error), 0);
    EXPECT_NE(error, 0);
    error = 0;
    EXPECT_EQ(days_elapsed(&first, &last, &error), 0);
    EXPECT_NE(error, 0);
    error = 0;
    const CalDate programMax = DateOf(kMaxJdn, 'G');
    const CalDate programMin = DateOf(kMinJdn, 'J');
    EXPECT_EQ(days_elapsed(&programMax, &programMin, &error), 0);
    EXPECT_NE(error, 0);
}

}  // namespace
}  // namespace roroviri_test
