// Work calendars that the tests of the fast arithmetic run on: the shipped
// regions with several weekends, rules with Orthodox Easter, moves across the
// turn of the year and many changes of law, and the user's own days.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "holidays/holiday_data_file.h"
#include "tests/holidays/brute_force_calendar.h"

namespace tembrel::holidays::test_support {

// Rules that exercise what the shipped regions do not: Orthodox Easter (whose
// dates leave their year tens of thousands of years away), moves into the next
// or previous year, and rules that start and stop in many years.
inline constexpr std::string_view kUnusualRules =
    "region XO = Unusual | Ungewöhnlich\n"
    "01-07 = a | a\n"
    "orthodox-2 = b | b\n"
    "orthodox+1 = c | c\n"
    "orthodox+50 sat:next sun:next = d | d\n"
    "orthodox-48 = e | e\n"
    "easter+1 = f | f\n"
    "05-01 2000.. observed sat:next sun:next = g | g\n"
    "12-31 1990..2010 sat:+2 sun:+1 = h | h\n"
    "01-01 ..1500,1600..1700,2100.. observed sat:-1 sun:+1 = i | i\n"
    "03-25 1..3,7,9999.. = j | j\n"
    "last fri of feb -1 = k | k\n";

struct NamedInputs {
    std::string name;
    CalendarInputs inputs;
};

inline HolidayData ShippedData() {
    FileError error;
    std::optional<HolidayData> data = LoadHolidayData(TEMBREL_HOLIDAY_DATA_FILE, error);
    EXPECT_TRUE(data.has_value()) << DescribeFileError(error, NameLanguage::English);
    return data.value_or(HolidayData());
}

inline std::vector<RegionRules> Regions(const HolidayData& data,
                                        std::initializer_list<const char*> codes) {
    std::vector<RegionRules> regions;
    for (const char* code : codes) {
        regions.push_back(data.ResolveRegion(*data.FindRegion(code)));
    }
    return regions;
}

// Random single days of the years 1990..2030, as a user's file would hold.
inline std::vector<UserDay> RandomDays(uint64_t seed, int count) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int32_t> anyDay(2447893, 2462867);  // 1990-01-01 .. 2030-12-31
    std::vector<UserDay> days;
    for (int i = 0; i < count; ++i) {
        days.push_back({anyDay(random), "day " + std::to_string(i)});
    }
    return days;
}

inline std::vector<NamedInputs> TestCalendars() {
    const HolidayData data = ShippedData();
    FileError error;
    const std::optional<HolidayData> unusual = ParseHolidayData(kUnusualRules, "unusual", error);
    EXPECT_TRUE(unusual.has_value()) << DescribeFileError(error, NameLanguage::English);
    const Weekend saturdaySunday;
    return {
        {"DE_BY", {saturdaySunday, Regions(data, {"DE-BY"}), {}, {}}},
        {"GB_and_US_Friday_Saturday_off",
         {*ParseWeekend("fri,sat"), Regions(data, {"GB", "US"}), {}, {}}},
        {"unusual_rules_Sunday_off",
         {*ParseWeekend("sun"), {unusual->ResolveRegion(*unusual->FindRegion("XO"))}, {}, {}}},
        {"DE_with_own_days",
         {saturdaySunday, Regions(data, {"DE"}), RandomDays(1, 300), RandomDays(2, 300)}},
        {"US_no_weekend", {*ParseWeekend("none"), Regions(data, {"US"}), {}, {}}},
        {"all_week_off_but_own_days",
         {*ParseWeekend("mon,tue,wed,thu,fri,sat,sun"), Regions(data, {"CH"}), RandomDays(3, 50),
          RandomDays(4, 200)}},
    };
}

}  // namespace tembrel::holidays::test_support
