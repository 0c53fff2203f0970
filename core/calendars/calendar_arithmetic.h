// Integer helpers the calendar conversions share. Every conversion works in
// 64-bit intermediates whose bounds are stated where they are computed; a year
// is first checked against kMaxYearMagnitude, which keeps every product far
// below 2^63, and a day count is checked against the accepted range before it
// becomes a 32-bit day number.
#pragma once

#include <cstdint>
#include <limits>

#include "core/calendar_tables.h"
#include "core/calendars/calendar_date.h"

namespace tembrel::calendar_math {

static_assert(std::numeric_limits<int64_t>::digits == 63 &&
                  std::numeric_limits<int32_t>::digits == 31,
              "the range comments assume 32-bit day numbers and 64-bit intermediates");

// Returns a / b rounded toward minus infinity; b > 0.
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Returns a mod b in 0..b-1; b > 0.
constexpr int64_t FloorMod(int64_t a, int64_t b) {
    return a - b * FloorDiv(a, b);
}

// No calendar here has a year shorter than 354 days, and every epoch lies
// within 3 million days of day 0, so a year of larger magnitude than this lies
// beyond kMinJDN..kMaxJDN. Conversions refuse such a year before computing
// with it.
inline constexpr int64_t kMaxYearMagnitude = int64_t{1} << 23;
static_assert(354 * (kMaxYearMagnitude - 1) - 3000000 > int64_t{kMaxJDN} &&
              -354 * (kMaxYearMagnitude - 1) + 3000000 < int64_t{kMinJDN});

constexpr bool IsYearConvertible(int64_t year) {
    return year >= -kMaxYearMagnitude && year <= kMaxYearMagnitude;
}

// Returns the day number of a 64-bit day count, or OutOfRange outside
// kMinJDN..kMaxJDN.
constexpr JdnResult DayOfCount(int64_t jdn) {
    if (!IsJDNInRange(jdn)) {
        return Refused(DateCheck::OutOfRange);
    }
    return {DateCheck::Valid, static_cast<int32_t>(jdn)};
}

// Checks the fields of a date of a calendar of years, months and days: a year
// within ±kMaxYearMagnitude (else OutOfRange), a month 1..months, a day
// 1..monthLength(year, month). Returns Valid or the first fault.
template <typename MonthLength>
constexpr DateCheck CheckYmdFields(const YmdDate& date, int32_t months, MonthLength monthLength) {
    if (!IsYearConvertible(date.year)) {
        return DateCheck::OutOfRange;
    }
    if (date.month < 1 || date.month > months) {
        return DateCheck::NoSuchMonth;
    }
    if (date.day < 1 || date.day > monthLength(date.year, date.month)) {
        return DateCheck::NoSuchDay;
    }
    return DateCheck::Valid;
}

// A year of a calendar and the day in it, counted from 0.
struct YearAndDay {
    int64_t year;
    int32_t dayOfYear;
};

// The Gregorian pattern of year lengths: 365 days, 366 in every fourth year,
// except in three of the four century years of every 400 years. Counted from a
// day on which a 400-year cycle begins with a year whose leap day (if any) falls
// at its end, the long year is the last of every four years, the century
// exception the last year of every century and the 400-year exception the last
// year of the cycle; so each split below is one division.
inline constexpr int64_t kGregorianCycleDays = 146097;
inline constexpr int64_t kGregorianCycleYears = 400;

// Every 32-bit day count, moved forward by this many cycles, is positive.
inline constexpr int64_t kGregorianShiftCycles = 14800;
static_assert(kGregorianShiftCycles * kGregorianCycleDays >
              -int64_t{std::numeric_limits<int32_t>::min()} + 4000000);

// Splits a day count from the start of such a cycle (any value within about
// 2^31 + 4 million days of it) into the index of the year and the day in it.
constexpr YearAndDay GregorianPatternYear(int64_t daysFromCycleStart) {
    const auto days = static_cast<uint64_t>(daysFromCycleStart +
                                            kGregorianShiftCycles * kGregorianCycleDays);  // < 2^33
    const uint64_t scaled = 4 * days + 3;                                                  // < 2^35
    const uint64_t centuries = scaled / kGregorianCycleDays;                               // < 2^18
    const auto dayOfCentury =
        static_cast<uint32_t>(scaled % kGregorianCycleDays) / 4;  // [0, 36524]
    const uint32_t scaledInCentury = 4 * dayOfCentury + 3;        // [3, 146099]
    const uint32_t yearOfCentury = scaledInCentury / 1461;        // [0, 99]
    const uint32_t dayOfYear = scaledInCentury % 1461 / 4;        // [0, 365]
    return {static_cast<int64_t>(100 * centuries + yearOfCentury) -
                kGregorianShiftCycles * kGregorianCycleYears,
            static_cast<int32_t>(dayOfYear)};
}

// Year indexes within ±(kMaxYearMagnitude + 4000), moved forward by this many
// whole cycles, are positive, so that the divisions below are unsigned.
inline constexpr int64_t kGregorianYearShift = kGregorianCycleYears * 21000;
static_assert(kGregorianYearShift > kMaxYearMagnitude + 4000);

// Returns the days from the start of such a cycle to the start of the year with
// that index; the index within ±(kMaxYearMagnitude + 4000).
constexpr int64_t GregorianPatternYearStart(int64_t yearIndex) {
    const auto shifted = static_cast<uint64_t>(yearIndex + kGregorianYearShift);  // < 2^25
    // 365 days a year, one more after every fourth year, one less after every
    // hundredth and one more after every four hundredth.
    const uint64_t days = 365 * shifted + shifted / 4 - shifted / 100 + shifted / 400;  // < 2^34
    return static_cast<int64_t>(days) -
           kGregorianYearShift / kGregorianCycleYears * kGregorianCycleDays;
}

// Returns true for a Gregorian leap year; any 64-bit year.
constexpr bool IsGregorianLeapYear(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

static_assert(GregorianPatternYearStart(-1) == -366 && GregorianPatternYearStart(400) == 146097 &&
              GregorianPatternYearStart(-400) == -146097 && GregorianPatternYearStart(4) == 1461);

// The day number of 1 January of year 1, where a cycle of years 1..400 begins,
// and of 1 March of year 0, where a cycle of "March years" 0..399 begins (each
// running from 1 March to the end of February, so that its leap day is its last).
inline constexpr int64_t kJanuaryFirstOfYear1 = 1721426;
inline constexpr int64_t kMarchFirstOfYear0 = 1721120;

// Returns the Gregorian year of a day number and the day in it (1 January = 0).
constexpr YearAndDay GregorianYearOf(int64_t jdn) {
    const YearAndDay split = GregorianPatternYear(jdn - kJanuaryFirstOfYear1);
    return {split.year + 1, split.dayOfYear};
}

// Returns the day number of 1 January of a year within ±kMaxYearMagnitude.
constexpr int64_t GregorianNewYear(int64_t year) {
    return kJanuaryFirstOfYear1 + GregorianPatternYearStart(year - 1);
}

static_assert(GregorianNewYear(1) == 1721426 && GregorianNewYear(2000) == 2451545);
static_assert(GregorianYearOf(2451545 + 365).year == 2000 &&
              GregorianYearOf(2451545 + 365).dayOfYear == 365);
static_assert(GregorianYearOf(2451545 + 366).year == 2001 &&
              GregorianYearOf(2451545 + 366).dayOfYear == 0);

}  // namespace tembrel::calendar_math
