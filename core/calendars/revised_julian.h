// The revised Julian calendar (RJ) of the Orthodox churches that adopted it:
// the months of the Julian and Gregorian calendars; a year divisible by 4 is a
// leap year, except century years, of which only those whose remainder by 900
// is 200 or 600 are leap years. It agrees with the Gregorian calendar from
// 1 March 1600 to 28 February 2800 and, like it, counts years astronomically
// from 1 March of year 0 (JDN 1721120). 900 years hold 328718 days. Closed
// form both ways, exact for every 32-bit day number.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

// Returns true for a leap year of the revised Julian calendar.
bool IsRevisedJulianLeapYear(int64_t year);

// Returns the days of a month (0 for a month outside 1..12).
int RevisedJulianMonthLength(int64_t year, int32_t month);

YmdDate RevisedJulianDateOfJdn(int32_t jdn);
JdnResult RevisedJulianDateToJdn(const YmdDate& date);

}  // namespace tembrel
