// The French Republican calendar (FRE): twelve months of 30 days from
// 1 Vendémiaire, then the complementary days (the sansculottides) as month 13,
// five of them, six in a leap ("sextile") year. Year 1 began 22 September 1792
// (Gregorian), JDN 2375840.
//
// The decree made the year begin on the day of the autumnal equinox at Paris,
// which made the years 3, 7, 11 and 15 sextile while the calendar was in use.
// From year 20 on, and for the years before year 1, the years follow the
// arithmetic rule proposed by Romme: a year divisible by 4 is sextile, except
// years whose remainder by 400 is 100, 200 or 300, and years divisible by 4000.
// The years 16 to 19 are common, as the equinox made them. So every historical
// date (1792 to 1805, and the Paris Commune of 1871, year 79) is right, and the
// calendar continues arithmetically both ways. Closed form both ways, exact for
// every 32-bit day number.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

inline constexpr int32_t kFrenchRepublicanEpochJdn = 2375840;

// Returns true for a sextile year: 3, 7, 11, 15 among the years 1..19, else
// Romme's rule.
bool IsFrenchRepublicanLeapYear(int64_t year);

YmdDate FrenchRepublicanDateOfJdn(int32_t jdn);
JdnResult FrenchRepublicanDateToJdn(const YmdDate& date);

}  // namespace tembrel
