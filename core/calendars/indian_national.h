// The Indian national calendar (IND), years of the Saka era: year Y begins on
// 22 March of the Gregorian year Y + 78, or on 21 March when that year is a
// Gregorian leap year, which is then a leap year of this calendar too. Months:
// Chaitra 30 days (31 in a leap year), Vaishakha to Bhadra 31, Ashvina to
// Phalguna 30. So the year begins on day 80 (counted from 0) of its Gregorian
// year and follows the Gregorian year lengths. Closed form both ways, exact for
// every 32-bit day number.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

// Returns true when the Gregorian year Y + 78 is a leap year.
bool IsIndianNationalLeapYear(int64_t year);

// Returns the days of a month (0 for a month outside 1..12).
int IndianNationalMonthLength(int64_t year, int32_t month);

YmdDate IndianNationalDateOfJdn(int32_t jdn);
JdnResult IndianNationalDateToJdn(const YmdDate& date);

}  // namespace tembrel
