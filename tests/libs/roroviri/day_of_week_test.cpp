// The day of the week: known days, and one step a day across the whole 32-bit
// range, its ends included.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>

#include "libs/roroviri/roroviri.h"
#include "tests/libs/roroviri/test_support.h"

namespace roroviri_test {
namespace {

TEST(DayOfWeek, KnownDays) {
    EXPECT_EQ(euro_day_of_week(1721426), 1);  // 1 January 1 CE, a Monday
    EXPECT_EQ(euro_day_of_week(0), 1);        // 1 January -4712 Julian, a Monday
    EXPECT_EQ(euro_day_of_week(-1), 0);
    EXPECT_EQ(euro_day_of_week(2454479), 0);  // 13 January 2008, a Sunday
    EXPECT_EQ(euro_day_of_week(2454481), 2);  // 15 January 2008, a Tuesday
    EXPECT_EQ(euro_day_of_week(5373484), 5);  // 31 December 9999, a Friday
}

TEST(DayOfWeek, StepsByOneEachDayEverywhere) {
    constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
    constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
    // Day numbers are whole weeks apart when they differ by a multiple of 7.
    EXPECT_EQ(euro_day_of_week(kInt32Max), euro_day_of_week(kInt32Max - 7 * 306783378));
    EXPECT_EQ(euro_day_of_week(kInt32Min), euro_day_of_week(kInt32Min + 7 * 306783378));
    std::mt19937_64 generator = SeededGenerator();
    std::uniform_int_distribution<int32_t> anyJdn(kInt32Min, kInt32Max - 1);
    for (int i = 0; i < 100000; ++i) {
        const int32_t jdn = anyJdn(generator);
        const int32_t day = euro_day_of_week(jdn);
        ASSERT_GE(day, 0);
        ASSERT_LE(day, 6);
        ASSERT_EQ(euro_day_of_week(jdn + 1), (day + 1) % 7) << jdn;
    }
}

}  // namespace
}  // namespace roroviri_test
