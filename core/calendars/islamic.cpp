#include "core/calendars/islamic.h"

#include <algorithm>
#include <limits>

#include "core/calendars/calendar_arithmetic.h"

namespace tembrel {

namespace {

constexpr int64_t kCycleYears = 30;
constexpr int64_t kCycleDays = 30 * 354 + 11;
static_assert(kCycleDays == 10631);

// Every 32-bit day number, moved forward by this many 30-year cycles, lies after
// the epoch.
constexpr int64_t kShiftCycles = 202200;
static_assert(kShiftCycles * kCycleDays >
              -int64_t{std::numeric_limits<int32_t>::min()} + kIslamicEpochJdn);

// Years within ±2^23, moved forward by this many cycles, are positive.
constexpr int64_t kShiftYearCycles = 280000;
static_assert(kShiftYearCycles * kCycleYears > calendar_math::kMaxYearMagnitude);

// Returns the days from the epoch to the start of a year moved forward by whole
// cycles, moved forward by as many cycles of days: 354 a year and the leap days
// of the years before, floor((3 + 11 × year) / 30).
constexpr uint64_t ShiftedYearStart(uint64_t shiftedYear) {
    return 354 * (shiftedYear - 1) + (3 + 11 * shiftedYear) / kCycleYears;  // < 2^42
}

int64_t YearStart(int64_t year) {
    const auto shifted = static_cast<uint64_t>(year + kShiftYearCycles * kCycleYears);
    return static_cast<int64_t>(ShiftedYearStart(shifted)) - kShiftYearCycles * kCycleDays;
}

// Returns the days of the months before month 1..12: 29 × (month - 1) plus one
// for each 30-day month before it, the odd ones.
constexpr int32_t DaysBeforeMonth(int32_t month) {
    return 29 * (month - 1) + month / 2;
}

}  // namespace

bool IsIslamicLeapYear(int64_t year) {
    return calendar_math::FloorMod(14 + 11 * year, kCycleYears) < 11;
}

int IslamicMonthLength(int64_t year, int32_t month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 12) {
        return IsIslamicLeapYear(year) ? 30 : 29;
    }
    return month % 2 == 1 ? 30 : 29;
}

YmdDate IslamicDateOfJdn(int32_t jdn) {
    const auto days = static_cast<uint64_t>(int64_t{jdn} - kIslamicEpochJdn +
                                            kShiftCycles * kCycleDays);  // < 2^33
    // The year whose start YearStart places at or before the day: the inverse
    // of its floor, exact for every day.
    const uint64_t shiftedYear = (30 * days + 10646) / kCycleDays;  // < 2^29
    const int64_t year = static_cast<int64_t>(shiftedYear) - kShiftCycles * kCycleYears;
    const auto dayOfYear = static_cast<int32_t>(days - ShiftedYearStart(shiftedYear));  // [0, 354]
    // The months before the day's: DaysBeforeMonth(m) = ceil(29.5 × (m - 1)), so
    // m - 1 = floor(2 × day / 59); day 354 of a leap year stays in month 12.
    const int32_t month = std::min(2 * dayOfYear / 59, 11) + 1;
    return MakeYmdDate(year, month, dayOfYear - DaysBeforeMonth(month) + 1);
}

JdnResult IslamicDateToJdn(const YmdDate& date) {
    const DateCheck check = calendar_math::CheckYmdFields(date, 12, IslamicMonthLength);
    if (check != DateCheck::Valid) {
        return Refused(check);
    }
    return calendar_math::DayOfCount(kIslamicEpochJdn + YearStart(date.year) +
                                     DaysBeforeMonth(date.month) + date.day - 1);  // |.| < 2^32
}

}  // namespace tembrel
