// Day numbers of Gregorian and Julian dates for the holiday rules, through the
// calendar core. Every year of the holiday tables lies within about ±5.8
// million, where every date has a 32-bit day number.
#pragma once

#include <cstdint>

#include "core/calendar_binding.h"

namespace tembrel::holidays {

// Years whose dates all have 32-bit day numbers in both calendars.
inline constexpr int64_t kMaxCivilYearMagnitude = 5800000;

// Returns the day number of a date of the calendar of `marker` (Gregorian or
// Julian); |year| <= kMaxCivilYearMagnitude, month 1..12, day 1..31 (a day past
// the month's end counts on into the next). Such a date always converts; the
// library's "no day" stands for one that does not.
inline int64_t DayOfDate(int64_t year, int32_t month, int32_t day, char marker) {
    CalDate date{};
    date.year = static_cast<int32_t>(year);
    date.month = month;
    date.day = day;
    date.marker = marker;
    return JDNOfCalDate(date).value_or(kRoroviriNoJdn);
}

// Returns the day number of a Gregorian date, as DayOfDate.
inline int64_t GregorianDay(int64_t year, int32_t month, int32_t day) {
    return DayOfDate(year, month, day, kMarkerGregorian);
}

// Returns the day number of a Julian calendar date, as DayOfDate.
inline int64_t JulianDay(int64_t year, int32_t month, int32_t day) {
    return DayOfDate(year, month, day, kMarkerJulian);
}

// A Gregorian date of a day number.
struct YearDay {
    int64_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
};

// Returns the Gregorian date of a 32-bit day number.
inline YearDay GregorianDateOf(int32_t jdn) {
    const CalDate date = CalDateOfJDN(jdn, kMarkerGregorian);
    return {date.year, date.month, date.day};
}

// Returns the Julian calendar year that holds a 32-bit day number.
inline int64_t JulianYearOf(int32_t jdn) {
    return CalDateOfJDN(jdn, kMarkerJulian).year;
}

// Returns true for a leap year of the Gregorian calendar (any 64-bit year).
constexpr bool IsGregorianLeap(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Returns a / b rounded toward minus infinity; b > 0.
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Returns a mod b in 0..b-1; b > 0.
constexpr int64_t FloorMod(int64_t a, int64_t b) {
    return a - b * FloorDiv(a, b);
}

}  // namespace tembrel::holidays
