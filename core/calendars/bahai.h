// The Bahá'í (Badí') calendar (BAH): years of the Bahá'í era (BE), year 1 began
// 21 March 1844. Nineteen months of 19 days; between months 18 and 19 the
// intercalary days of Ayyám-i-Há, four or five, so that the next year begins on
// the next Naw-Rúz. Ayyám-i-Há is numbered month 0, as Reingold and Dershowitz
// number it. A Bahá'í day begins at sunset; a date here is the civil day whose
// daylight it holds.
//
// Naw-Rúz, the new year:
//  - up to 171 BE (the year that began 21 March 2014) on 21 March, the rule
//    observed in the West; years before 1 BE continue it;
//  - from 172 BE on, as the Universal House of Justice set it in 2014, on the
//    day (sunset to sunset) in which the March equinox falls at Tehran. The
//    equinox and the sunset at Tehran are computed; the years whose Naw-Rúz lies
//    after the Gregorian year 3000 (1158 BE on) are out of range.
// Exact both ways for every day number up to the end of 1157 BE.
#pragma once

#include <cstdint>
#include <optional>

#include "core/calendars/calendar_date.h"

namespace tembrel {

inline constexpr int32_t kFirstAstronomicalBahaiYear = 172;
inline constexpr int32_t kLastBahaiYear = 1157;

// Returns the day number of Naw-Rúz of a year up to kLastBahaiYear + 1.
int64_t BahaiNewYear(int32_t year);

// Returns the last day of kLastBahaiYear, the last day of the calendar.
int32_t LastBahaiJdn();
// The same day as a constant, for the table of notations; the tests hold it to
// what LastBahaiJdn computes.
inline constexpr int32_t kLastBahaiJdn = 2817231;

// Returns the number of days of Ayyám-i-Há (4 or 5) of a year up to
// kLastBahaiYear; 0 beyond it.
int BahaiIntercalaryDays(int32_t year);

// Returns the days of a month 0..19 (0 for any other month or a year beyond
// kLastBahaiYear).
int BahaiMonthLength(int32_t year, int32_t month);

// Returns the date of a day number; empty after the last day of kLastBahaiYear.
std::optional<YmdDate> BahaiDateOfJdn(int32_t jdn);

JdnResult BahaiDateToJdn(const YmdDate& date);

}  // namespace tembrel
