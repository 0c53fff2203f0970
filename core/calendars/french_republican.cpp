#include "core/calendars/french_republican.h"

#include <limits>

#include "core/calendars/calendar_arithmetic.h"
#include "core/calendars/thirty_day_months.h"

namespace tembrel {

namespace {

// Romme's 4000 years: 1000 fourth years, less 30 century years, less the year
// 4000 itself.
constexpr int64_t kCycleYears = 4000;
constexpr int64_t kCycleDays = kCycleYears * 365 + 1000 - 30 - 1;
static_assert(kCycleDays == 1460969);

// Every 32-bit day number, moved forward by this many cycles, lies after the
// epoch.
constexpr int64_t kShiftCycles = 1474;
static_assert(kShiftCycles * kCycleDays >
              -int64_t{std::numeric_limits<int32_t>::min()} + kFrenchRepublicanEpochJdn);

// Years within ±(2^23 + 4000), moved forward by this many cycles, are positive.
constexpr int64_t kShiftYears = kCycleYears * 2200;
static_assert(kShiftYears > calendar_math::kMaxYearMagnitude + 4000);

bool IsRommeLeapYear(int64_t year) {
    const auto shifted = static_cast<uint64_t>(year + kShiftYears);
    const uint64_t inCycle = shifted % 400;
    return shifted % 4 == 0 && inCycle != 100 && inCycle != 200 && inCycle != 300 &&
           shifted % kCycleYears != 0;
}

// Returns the days from the epoch to the start of a year by Romme's rule.
int64_t RommeYearStart(int64_t year) {
    // The Gregorian pattern counted from year 1, less one day after every 4000th
    // year.
    const auto shifted = static_cast<uint64_t>(year - 1 + kShiftYears);
    return calendar_math::GregorianPatternYearStart(year - 1) -
           static_cast<int64_t>(shifted / kCycleYears) + kShiftYears / kCycleYears;
}

// The years whose start the equinox put one day after Romme's: each follows a
// historical sextile year (3, 7, 11, 15) where Romme's rule has its sextile year
// itself (4, 8, 12, 16).
bool StartsADayLater(int64_t year) {
    return year == 4 || year == 8 || year == 12 || year == 16;
}

int64_t YearStart(int64_t year) {
    return RommeYearStart(year) + (StartsADayLater(year) ? 1 : 0);
}

}  // namespace

bool IsFrenchRepublicanLeapYear(int64_t year) {
    if (year >= 1 && year <= 19) {
        return year == 3 || year == 7 || year == 11 || year == 15;
    }
    return IsRommeLeapYear(year);
}

YmdDate FrenchRepublicanDateOfJdn(int32_t jdn) {
    const auto days = static_cast<uint64_t>(int64_t{jdn} - kFrenchRepublicanEpochJdn +
                                            kShiftCycles * kCycleDays);  // < 2^33
    const auto cycles = static_cast<int64_t>(days / kCycleDays);
    // Within a cycle the years follow the Gregorian pattern from year 1; the
    // cycle's last year lacks the pattern's last day, so no day reaches it.
    const calendar_math::YearAndDay inCycle =
        calendar_math::GregorianPatternYear(static_cast<int64_t>(days % kCycleDays));
    int64_t year = (cycles - kShiftCycles) * kCycleYears + inCycle.year + 1;
    int32_t dayOfYear = inCycle.dayOfYear;  // [0, 365]
    if (StartsADayLater(year)) {
        // Romme's first day of the year is the last (sixth complementary) day
        // of the historical sextile year before it.
        if (dayOfYear == 0) {
            --year;
            dayOfYear = 365;
        } else {
            --dayOfYear;
        }
    }
    return ThirtyDayMonthOfDay(year, dayOfYear);
}

JdnResult FrenchRepublicanDateToJdn(const YmdDate& date) {
    if (!calendar_math::IsYearConvertible(date.year)) {
        return Refused(DateCheck::OutOfRange);
    }
    return ThirtyDayMonthsToJdn(date, kFrenchRepublicanEpochJdn + YearStart(date.year),
                                IsFrenchRepublicanLeapYear(date.year));
}

}  // namespace tembrel
