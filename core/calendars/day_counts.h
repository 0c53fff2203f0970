// Day counts other than the Julian day number, each a whole number:
//   MJD  modified Julian day: JDN - 2400001 (day 0 is 17 November 1858)
//   RD   rata die: JDN - 1721425 (day 1 is 1 January 1, Gregorian)
//   LIL  Lilian day: JDN - 2299160 (day 1 is 15 October 1582, the first
//        Gregorian day)
//   UNX  Unix time in seconds since 1 January 1970 00:00 UTC: a day is written
//        as its midnight, (JDN - 2440588) × 86400, and every second of a day
//        reads as that day
//   XLS  serial date of spreadsheets in their 1900 system: 1 is 1 January 1900,
//        and like them the count includes 29 February 1900, a day that never
//        was (serial 60): 28 February 1900 is 59, 1 March 1900 is 61. Serial 60
//        names no day. Serials below 1, which spreadsheets do not show,
//        continue the count backwards (0 is 31 December 1899).
// Exact both ways for every 32-bit day number; a value whose day lies outside
// lngMinJDN..lngMaxJDN answers OutOfRange.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

enum class DayCount : int8_t { MJD, RD, LIL, UNX, XLS };

inline constexpr int64_t kSecondsPerDay = 86400;
inline constexpr int32_t kUnixEpochJdn = 2440588;      // 1 January 1970
inline constexpr int64_t kSpreadsheetPhantomDay = 60;  // "29 February 1900"

// Returns the value of a day in the count (for UNX its midnight).
int64_t DayCountOfJdn(DayCount count, int32_t jdn);

// Returns the day a value names: OutOfRange beyond the accepted days,
// PhantomDay for the spreadsheet serial 60.
JdnResult JdnOfDayCount(DayCount count, int64_t value);

}  // namespace tembrel
