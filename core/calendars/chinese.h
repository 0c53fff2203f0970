// The Chinese calendar (CHN) by its modern rules (those of 1645, as the
// standard GB/T 33661-2017 states them), computed for Beijing: UTC+8 from 1929,
// before that the mean solar time of Beijing (116°25' E, UTC+7:45:40).
//  - A month begins on the day of a new moon and has 29 or 30 days.
//  - The month that holds the winter solstice (the Sun at 270°) is month 11.
//  - When 13 months begin between one month 11 and the next, the first of them
//    (after that month 11) in which the Sun reaches no multiple of 30° (no
//    major solar term) is a leap month; it takes the number of the month before
//    it.
//  - The year begins with month 1, the second month after month 11 (the third
//    when a leap month 11 or 12 comes between).
// Years are counted in cycles of sixty: cycle 1, year 1 began in -2636
// (Gregorian), so year 41 of cycle 78 began in 2024.
//
// The new moons (astronomy/new_moon.h) and solar terms
// (astronomy/solar_longitude.h) are computed for the Chinese years that begin in
// the Gregorian years -1000..3000; days outside them are out of range.
#pragma once

#include <cstdint>
#include <optional>

#include "core/calendars/calendar_date.h"

namespace tembrel {

struct ChineseDate {
    int32_t cycle = 0;  // sixty-year cycles; cycle 1 began in -2636
    int32_t year = 0;   // 1..60
    int32_t month = 0;  // 1..12
    bool leap = false;  // the leap month that follows month `month`
    int32_t day = 0;    // 1..30

    friend constexpr bool operator==(const ChineseDate&, const ChineseDate&) = default;
};

// Returns the Gregorian year in which a Chinese year begins: 60 × (cycle - 1) +
// year - 2637.
constexpr int64_t GregorianYearOfChineseYear(int64_t cycle, int64_t year) {
    return 60 * (cycle - 1) + year - 2637;
}

// Return the first and the last day of the range: the new year of -1000 and the
// day before the new year of 3001.
int32_t FirstChineseJdn();
int32_t LastChineseJdn();
// The same two days as constants, for the table of notations; the tests hold
// them to what the two functions compute.
inline constexpr int32_t kFirstChineseJdn = 1355848;
inline constexpr int32_t kLastChineseJdn = 2817197;

// Returns the date of a day number; empty outside the Chinese years that begin
// in the Gregorian years -1000..3000.
std::optional<ChineseDate> ChineseDateOfJdn(int32_t jdn);

// Checks each field (cycle and year: NoSuchCycleYear; month: NoSuchMonth; a leap
// mark on a month that is not leap that year: NoSuchLeapMonth; day: NoSuchDay)
// and returns the day number; OutOfRange for years outside the range.
JdnResult ChineseDateToJdn(const ChineseDate& date);

// Returns the days of the month of a date (its day is not read); 0 when the
// year has no such month or lies outside the range.
int ChineseMonthLength(const ChineseDate& month);

// Returns the number of the leap month of a year (the leap month follows the
// month of that number), 0 when the year has none or lies outside the range.
int ChineseLeapMonth(int32_t cycle, int32_t year);

}  // namespace tembrel
