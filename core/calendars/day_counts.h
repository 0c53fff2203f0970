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
// kMinJDN..kMaxJDN answers OutOfRange. Inline: the conversions are a few
// instructions each.
#pragma once

#include <cstdint>
#include <limits>

#include "core/calendars/calendar_arithmetic.h"
#include "core/calendars/calendar_date.h"

namespace tembrel {

enum class DayCount : int8_t { MJD, RD, LIL, UNX, XLS };

inline constexpr int64_t kSecondsPerDay = 86400;
inline constexpr int32_t kUnixEpochJdn = 2440588;      // 1 January 1970
inline constexpr int64_t kSpreadsheetPhantomDay = 60;  // "29 February 1900"

namespace day_count_math {

inline constexpr int64_t kModifiedJulianDayZero = 2400001;
inline constexpr int64_t kRataDieZero = 1721425;
inline constexpr int64_t kLilianDayZero = 2299160;
// Serial 0 and the serials up to 59 count from 31 December 1899; from 61 on the
// phantom day has moved every serial one up.
inline constexpr int64_t kSpreadsheetZero = 2415020;
inline constexpr int64_t kFirstDayAfterPhantom = 2415080;  // 1 March 1900, serial 61

// Every second of the accepted days fits: |(JDN - epoch) × 86400| < 2^48.
static_assert((int64_t{kMaxJDN} + kUnixEpochJdn + 1) * kSecondsPerDay <
              std::numeric_limits<int64_t>::max() / 2);

// Values whose magnitude exceeds this lie far beyond every accepted day; they
// are refused before any arithmetic.
inline constexpr int64_t kMaxValue = int64_t{1} << 50;

}  // namespace day_count_math

// Returns the value of a day in the count (for UNX its midnight).
constexpr int64_t DayCountOfJdn(DayCount count, int32_t jdn) {
    using namespace day_count_math;
    switch (count) {
        case DayCount::MJD:
            return jdn - kModifiedJulianDayZero;
        case DayCount::RD:
            return jdn - kRataDieZero;
        case DayCount::LIL:
            return jdn - kLilianDayZero;
        case DayCount::UNX:
            return (int64_t{jdn} - kUnixEpochJdn) * kSecondsPerDay;
        case DayCount::XLS:
            return jdn - kSpreadsheetZero + (jdn >= kFirstDayAfterPhantom ? 1 : 0);
    }
    return 0;
}

// Returns the day a value names: OutOfRange beyond the accepted days,
// PhantomDay for the spreadsheet serial 60.
constexpr JdnResult JdnOfDayCount(DayCount count, int64_t value) {
    using namespace day_count_math;
    if (value > kMaxValue || value < -kMaxValue) {
        return Refused(DateCheck::OutOfRange);
    }
    switch (count) {
        case DayCount::MJD:
            return calendar_math::DayOfCount(value + kModifiedJulianDayZero);
        case DayCount::RD:
            return calendar_math::DayOfCount(value + kRataDieZero);
        case DayCount::LIL:
            return calendar_math::DayOfCount(value + kLilianDayZero);
        case DayCount::UNX:
            return calendar_math::DayOfCount(calendar_math::FloorDiv(value, kSecondsPerDay) +
                                             kUnixEpochJdn);
        case DayCount::XLS:
            if (value == kSpreadsheetPhantomDay) {
                return Refused(DateCheck::PhantomDay);
            }
            return calendar_math::DayOfCount(value + kSpreadsheetZero -
                                             (value > kSpreadsheetPhantomDay ? 1 : 0));
    }
    return Refused(DateCheck::OutOfRange);
}

}  // namespace tembrel
