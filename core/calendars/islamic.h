// The tabular Islamic calendar, civil epoch (ISL): twelve months alternating
// 30 and 29 days from Muharram (month 1), so 354 days; in the leap years 2, 5,
// 7, 10, 13, 16, 18, 21, 24, 26 and 29 of every 30 the twelfth month, Dhu
// al-Hijja, has 30 days (355). Year 1 began Friday 16 July 622 (Julian), JDN
// 1948440. Closed form both ways, exact for every 32-bit day number.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

inline constexpr int32_t kIslamicEpochJdn = 1948440;

// Returns true for a leap year: (14 + 11 × year) mod 30 < 11.
bool IsIslamicLeapYear(int64_t year);

// Returns the days of a month (0 for a month outside 1..12).
int IslamicMonthLength(int64_t year, int32_t month);

YmdDate IslamicDateOfJdn(int32_t jdn);
JdnResult IslamicDateToJdn(const YmdDate& date);

}  // namespace tembrel
