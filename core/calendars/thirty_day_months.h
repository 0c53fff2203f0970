// The calendars of twelve months of 30 days and a thirteenth month of the
// remaining five days (six in a leap year):
//   Coptic (COP)     year 1 begins 29 August 284 (Julian), JDN 1825030; a year
//                    y with y mod 4 = 3 is a leap year (month 13 has 6 days).
//   Ethiopian (ETH)  the Coptic rules from the Amete Mihret epoch 29 August 8
//                    (Julian), JDN 1724221: the Coptic year plus 276.
//   Egyptian (EGY)   every year 365 days, from the era of Nabonassar, 26 February
//                    -746 (Julian), JDN 1448638.
//   Armenian (ARM)   every year 365 days, from 11 July 552 (Julian), JDN 1922868.
// Months 1..13, days 1..30 (1..5 or 1..6 in month 13); astronomical years
// (year 0 before year 1). Closed form both ways, exact for every 32-bit day
// number.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

inline constexpr int32_t kCopticEpochJdn = 1825030;
inline constexpr int32_t kEthiopianEpochJdn = 1724221;
inline constexpr int32_t kEgyptianEpochJdn = 1448638;
inline constexpr int32_t kArmenianEpochJdn = 1922868;

// Returns true when a Coptic or Ethiopian year is a leap year (y mod 4 = 3).
constexpr bool IsCopticLeapYear(int64_t year) {
    return (year % 4 + 4) % 4 == 3;
}

// Returns the days of a month: 30 for months 1..12, 5 or in a leap year 6 for
// month 13, 0 for any other month.
constexpr int ThirtyDayMonthLength(int32_t month, bool leapYear) {
    if (month == 13) {
        return leapYear ? 6 : 5;
    }
    return month >= 1 && month <= 12 ? 30 : 0;
}

YmdDate CopticDateOfJdn(int32_t jdn);
JdnResult CopticDateToJdn(const YmdDate& date);

YmdDate EthiopianDateOfJdn(int32_t jdn);
JdnResult EthiopianDateToJdn(const YmdDate& date);

YmdDate EgyptianDateOfJdn(int32_t jdn);
JdnResult EgyptianDateToJdn(const YmdDate& date);

YmdDate ArmenianDateOfJdn(int32_t jdn);
JdnResult ArmenianDateToJdn(const YmdDate& date);

// Returns the date of a day of the year counted from 0: months of 30 days, the
// days after the twelfth month in month 13. Shared with the French Republican
// calendar, like the next one.
constexpr YmdDate ThirtyDayMonthOfDay(int64_t year, int32_t dayOfYear) {
    return MakeYmdDate(year, dayOfYear / 30 + 1, dayOfYear % 30 + 1);
}

// Checks month and day of a date whose year begins on `yearStartJdn` (within
// 2^40 of 0) and returns its day number.
JdnResult ThirtyDayMonthsToJdn(const YmdDate& date, int64_t yearStartJdn, bool leapYear);

}  // namespace tembrel
