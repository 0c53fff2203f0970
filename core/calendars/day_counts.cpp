#include "core/calendars/day_counts.h"

#include <limits>

#include "core/calendars/calendar_arithmetic.h"

namespace tembrel {

namespace {

constexpr int64_t kModifiedJulianDayZero = 2400001;
constexpr int64_t kRataDieZero = 1721425;
constexpr int64_t kLilianDayZero = 2299160;
// Serial 0 and the serials up to 59 count from 31 December 1899; from 61 on the
// phantom day has moved every serial one up.
constexpr int64_t kSpreadsheetZero = 2415020;
constexpr int64_t kFirstDayAfterPhantom = 2415080;  // 1 March 1900, serial 61

// Every second of the accepted days fits: |(JDN - epoch) × 86400| < 2^48.
static_assert((int64_t{lngMaxJDN} + kUnixEpochJdn + 1) * kSecondsPerDay <
              std::numeric_limits<int64_t>::max() / 2);

// Seconds whose magnitude exceeds this lie far beyond every accepted day; they
// are refused before they are divided.
constexpr int64_t kMaxSeconds = int64_t{1} << 50;

}  // namespace

int64_t DayCountOfJdn(DayCount count, int32_t jdn) {
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

JdnResult JdnOfDayCount(DayCount count, int64_t value) {
    // Every value is first brought within ±2^50, so the sums below stay exact.
    if (value > kMaxSeconds || value < -kMaxSeconds) {
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
