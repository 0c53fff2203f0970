#include "holidays/weekend.h"

#include <gtest/gtest.h>

#include <random>

#include "core/calendar_binding.h"

namespace tembrel::holidays {
namespace {

constexpr uint8_t kSun = 1 << 0;
constexpr uint8_t kFri = 1 << 5;
constexpr uint8_t kSat = 1 << 6;

TEST(Weekend, ReadsTheListsOfTheCommandLine) {
    struct Case {
        const char* text;
        std::optional<uint8_t> mask;
    };
    for (const Case& c : {Case{"sat,sun", kSat | kSun},
                          {"fri,sat", kFri | kSat},
                          {"sun", kSun},
                          {"none", 0},
                          {" NONE ", 0},
                          {"Sat, SUN", kSat | kSun},
                          {"sun,sat,sun", kSat | kSun},
                          {"mon,tue,wed,thu,fri,sat,sun", 0x7F},
                          {"", std::nullopt},
                          {"sat,", std::nullopt},
                          {",sat", std::nullopt},
                          {"saturday", std::nullopt},
                          {"none,sat", std::nullopt},
                          {"sat;sun", std::nullopt},
                          {"s\xC3\xA4t", std::nullopt}}) {
        const std::optional<Weekend> weekend = ParseWeekend(c.text);
        ASSERT_EQ(weekend.has_value(), c.mask.has_value()) << c.text;
        if (weekend) {
            EXPECT_EQ(weekend->mask(), *c.mask) << c.text;
        }
    }
}

// Every one of the 128 weekends is written Monday first and reads back as
// itself; its number of working days counts the days left.
TEST(Weekend, EveryWeekendWritesAndReadsBack) {
    EXPECT_EQ(FormatWeekend(Weekend()), "sat,sun");
    EXPECT_EQ(FormatWeekend(Weekend::FromMask(kSun | kFri)), "fri,sun");
    for (int mask = 0; mask < 128; ++mask) {
        const Weekend weekend = Weekend::FromMask(static_cast<uint8_t>(mask));
        EXPECT_EQ(ParseWeekend(FormatWeekend(weekend)), weekend) << mask;
        EXPECT_EQ(weekend.WorkingDaysPerWeek(),
                  7 - __builtin_popcount(static_cast<unsigned>(mask)));
    }
}

// The working-day arithmetic's weekday agrees with the calendar core's on every
// kind of day number and keeps the seven-day rhythm beyond 32 bits.
TEST(Weekend, WeekdayOfDayNumbers) {
    EXPECT_EQ(WeekdayOf(0), 1) << "day 0 is a Monday";
    std::mt19937_64 random(3);
    std::uniform_int_distribution<int32_t> anyDay(INT32_MIN + 1, INT32_MAX);
    for (int i = 0; i < 10000; ++i) {
        const int32_t day = anyDay(random);
        ASSERT_EQ(WeekdayOf(day), DayOfWeek(day)) << day;
        const int64_t far = int64_t{day} * 300;
        ASSERT_EQ((WeekdayOf(far + 1) - WeekdayOf(far) + 7) % 7, 1) << far;
    }
}

}  // namespace
}  // namespace tembrel::holidays
