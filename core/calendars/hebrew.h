// The Hebrew calendar (HEB), the fixed arithmetic calendar in use since the
// fourth century, counting years from the creation (anno mundi): year 1 began
// Monday 7 October -3760 (Julian), JDN 347998.
//
// Months are numbered from Nisan: Nisan 1, Iyyar 2, Sivan 3, Tammuz 4, Av 5,
// Elul 6, Tishri 7, Marheshvan 8, Kislev 9, Tevet 10, Shevat 11, Adar 12 (Adar I
// in a leap year) and Adar II 13 (leap years only). The year begins with Tishri,
// so months 7..13 of a year come before its months 1..6. Years 3, 6, 8, 11, 14,
// 17 and 19 of every 19 are leap years ((7y + 1) mod 19 < 7). The new year
// falls on the day of the molad (mean conjunction) of Tishri, counted in parts
// of 1/25920 day from the first molad, 1 day 5 hours 204 parts after the
// epoch's start, with one day added when that day would be a Sunday,
// Wednesday or Friday, and the two further postponements that keep every year
// 353..355 or 383..385 days long. Marheshvan has 30 days in a 355- or 385-day
// year, Kislev 29 in a 353- or 383-day year.
//
// Exact both ways for every 32-bit day number, in a bounded number of steps: the
// year comes from the count of months up to the day. Each thread keeps the last
// year it converted, so days of the same year need no molad.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

inline constexpr int32_t kHebrewEpochJdn = 347998;

// Returns true for a leap year, (7 × year + 1) mod 19 < 7.
bool IsHebrewLeapYear(int64_t year);

// Returns the days of a year: 353, 354, 355, 383, 384 or 385; 0 for a year
// beyond ±6000000, which lies outside the accepted days.
int HebrewYearLength(int32_t year);

// Returns the days of a month; 0 for a month the year does not have and for a
// year beyond ±6000000.
int HebrewMonthLength(int32_t year, int32_t month);

YmdDate HebrewDateOfJdn(int32_t jdn);
JdnResult HebrewDateToJdn(const YmdDate& date);

}  // namespace tembrel
