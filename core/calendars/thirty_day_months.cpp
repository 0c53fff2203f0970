#include "core/calendars/thirty_day_months.h"

#include <limits>

#include "core/calendars/calendar_arithmetic.h"

namespace tembrel {

namespace {

using calendar_math::FloorDiv;

constexpr int64_t kFourYearDays = 4 * 365 + 1;

// Every 32-bit day number, moved forward by this many four-year cycles, lies
// after the epochs' year 0.
constexpr int64_t kShiftCycles = 1472000;
static_assert(kShiftCycles * kFourYearDays >
              -int64_t{std::numeric_limits<int32_t>::min()} + kCopticEpochJdn + 365);

// The Coptic and Ethiopian calendars from their epoch. Counted from the start
// of year 0, every fourth year is long and the last of its four (3 mod 4).
YmdDate AlexandrianDateOfJdn(int32_t jdn, int32_t epochJdn) {
    const auto days =
        static_cast<uint64_t>(int64_t{jdn} - (epochJdn - 365) + kShiftCycles * kFourYearDays);
    const uint64_t scaled = 4 * days + 3;  // < 2^35
    const int64_t year = static_cast<int64_t>(scaled / kFourYearDays) - 4 * kShiftCycles;
    const auto dayOfYear = static_cast<int32_t>(scaled % kFourYearDays / 4);  // [0, 365]
    return ThirtyDayMonthOfDay(year, dayOfYear);
}

// The Egyptian and Armenian calendars: years of 365 days.
constexpr int64_t kShiftYears = 6000000;
static_assert(kShiftYears * 365 > -int64_t{std::numeric_limits<int32_t>::min()});

YmdDate VagueYearDateOfJdn(int32_t jdn, int32_t epochJdn) {
    const auto days = static_cast<uint64_t>(int64_t{jdn} - epochJdn + kShiftYears * 365);
    const int64_t year = static_cast<int64_t>(days / 365) - kShiftYears + 1;
    return ThirtyDayMonthOfDay(year, static_cast<int32_t>(days % 365));
}

JdnResult AlexandrianDateToJdn(const YmdDate& date, int32_t epochJdn) {
    if (!calendar_math::IsYearConvertible(date.year)) {
        return Refused(DateCheck::OutOfRange);
    }
    // A leap day ends every year y with y mod 4 = 3: floor(y / 4) of them
    // before year y.
    const int64_t yearStart =
        epochJdn + 365 * (int64_t{date.year} - 1) + FloorDiv(date.year, 4);  // |.| < 2^32
    return ThirtyDayMonthsToJdn(date, yearStart, IsCopticLeapYear(date.year));
}

JdnResult VagueYearDateToJdn(const YmdDate& date, int32_t epochJdn) {
    if (!calendar_math::IsYearConvertible(date.year)) {
        return Refused(DateCheck::OutOfRange);
    }
    const int64_t yearStart = epochJdn + 365 * (int64_t{date.year} - 1);  // |.| < 2^32
    return ThirtyDayMonthsToJdn(date, yearStart, false);
}

}  // namespace

JdnResult ThirtyDayMonthsToJdn(const YmdDate& date, int64_t yearStartJdn, bool leapYear) {
    const DateCheck check = calendar_math::CheckYmdFields(
        date, 13,
        [leapYear](int64_t, int32_t month) { return ThirtyDayMonthLength(month, leapYear); });
    if (check != DateCheck::Valid) {
        return Refused(check);
    }
    return calendar_math::DayOfCount(yearStartJdn + 30 * (date.month - 1) + date.day - 1);
}

YmdDate CopticDateOfJdn(int32_t jdn) {
    return AlexandrianDateOfJdn(jdn, kCopticEpochJdn);
}

JdnResult CopticDateToJdn(const YmdDate& date) {
    return AlexandrianDateToJdn(date, kCopticEpochJdn);
}

YmdDate EthiopianDateOfJdn(int32_t jdn) {
    return AlexandrianDateOfJdn(jdn, kEthiopianEpochJdn);
}

JdnResult EthiopianDateToJdn(const YmdDate& date) {
    return AlexandrianDateToJdn(date, kEthiopianEpochJdn);
}

YmdDate EgyptianDateOfJdn(int32_t jdn) {
    return VagueYearDateOfJdn(jdn, kEgyptianEpochJdn);
}

JdnResult EgyptianDateToJdn(const YmdDate& date) {
    return VagueYearDateToJdn(date, kEgyptianEpochJdn);
}

YmdDate ArmenianDateOfJdn(int32_t jdn) {
    return VagueYearDateOfJdn(jdn, kArmenianEpochJdn);
}

JdnResult ArmenianDateToJdn(const YmdDate& date) {
    return VagueYearDateToJdn(date, kArmenianEpochJdn);
}

}  // namespace tembrel
