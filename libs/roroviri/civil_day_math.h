// Closed-form conversions between Julian day numbers and Gregorian or Julian
// calendar dates. Internal to the calendar library; the benchmarks include it to
// time the arithmetic without the call through the C interface.
//
// Both calendars are computed in a "March year" that starts on 1 March, so that
// the leap day is the last day of its year and the month lengths follow a fixed
// pattern. From a day number, each step is an affine map followed by one
// division: the quotient is the next coarser unit (century, year, month) and the
// remainder, rescaled, the position inside it. To a day number, the years are
// counted with the leap-year rule in closed form and the months from a table of
// twelve entries. Before that, day numbers and years are moved by whole
// cycles (400 Gregorian or 4 Julian years) onto non-negative values, so that all
// divisions are unsigned, round down and compile to a multiplication. No loop
// runs over years or days.
#pragma once

#include <cstdint>
#include <limits>

namespace roroviri::math {

static_assert(std::numeric_limits<uint64_t>::digits == 64 &&
                  std::numeric_limits<int32_t>::digits == 31,
              "the range comments below assume 64-bit intermediates and 32-bit day numbers");

// A calendar date. Every 32-bit day number has a year below 5.9 million in
// magnitude in both calendars, so the fields always fit.
struct CivilDate {
    int32_t year;
    int32_t month;  // 1..12
    int32_t day;    // 1..31
};

// Returns a / b rounded toward minus infinity; b > 0.
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Returns a mod b in 0..b-1; b > 0.
constexpr int64_t FloorMod(int64_t a, int64_t b) {
    return a - b * FloorDiv(a, b);
}

// Returns true when a day number fits the 32-bit day numbers the library hands
// out. INT32_MIN is excluded: it is kRoroviriNoJdn, the "no day number" answer.
constexpr bool FitsJdn(int64_t jdn) {
    return jdn > std::numeric_limits<int32_t>::min() && jdn <= std::numeric_limits<int32_t>::max();
}

// Returns true for a Gregorian leap year: every fourth year, except century years
// that are not multiples of 400. Any 64-bit year, negative ones included.
constexpr bool IsGregorianLeapYear(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Returns true for a Julian leap year: every fourth year. Any 64-bit year.
constexpr bool IsJulianLeapYear(int64_t year) {
    return year % 4 == 0;
}

inline constexpr int64_t kGregorianDaysPer400Years = 146097;
inline constexpr int64_t kJulianDaysPer4Years = 1461;
inline constexpr int64_t kGregorianMarchFirstOfYear0 = 1721120;  // JDN of 1 March 0, Gregorian
inline constexpr int64_t kJulianMarchFirstOfYear0 = 1721118;     // JDN of 1 March 0, Julian

// The days from 1 March to the first day of each calendar month 1..12 in the
// March year that holds it (January and February come last). A table rather than
// the affine formula (979 × month - 2919) / 32 on months renumbered 3..14: the
// renumbering costs a branch on the month, which random dates mispredict.
inline constexpr uint32_t kDaysFromMarchToMonth[13] = {0,   306, 337, 0,   31,  61, 92,
                                                       122, 153, 184, 214, 245, 275};

// Turns a day of a March year (0 = 1 March .. 365 = 29 February) into the
// calendar date, January and February counted in the next calendar year.
constexpr CivilDate DateOfMarchDay(int64_t marchYear, uint32_t dayOfYear) {
    // 2141 / 65536 approximates 5 / 153, one over the mean month length of 30.6
    // days; the high half gives the month, the low half rescaled the day in it.
    const uint32_t scaled = 2141 * dayOfYear + 197913;  // [197913, 979378]
    const uint32_t marchMonth = scaled >> 16;           // [3, 14]
    const uint32_t day = (scaled & 0xFFFF) / 2141 + 1;  // [1, 31]
    const bool nextCalendarYear = dayOfYear >= 306;     // January or February
    return {static_cast<int32_t>(marchYear + (nextCalendarYear ? 1 : 0)),
            static_cast<int32_t>(nextCalendarYear ? marchMonth - 12 : marchMonth),
            static_cast<int32_t>(day)};
}

// Checks the month formula and the month table on every day of a leap March year
// against the month lengths 31 30 31 30 31 31 30 31 30 31 31 29.
consteval bool MarchMonthFormulasHold() {
    constexpr uint32_t kLengths[12] = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 29};
    uint32_t dayOfYear = 0;
    for (uint32_t marchMonth = 3; marchMonth <= 14; ++marchMonth) {
        const uint32_t calendarMonth = marchMonth > 12 ? marchMonth - 12 : marchMonth;
        if (kDaysFromMarchToMonth[calendarMonth] != dayOfYear) {
            return false;
        }
        for (uint32_t day = 1; day <= kLengths[marchMonth - 3]; ++day, ++dayOfYear) {
            const CivilDate date = DateOfMarchDay(0, dayOfYear);
            if (date.month != static_cast<int32_t>(calendarMonth) ||
                date.day != static_cast<int32_t>(day)) {
                return false;
            }
        }
    }
    return dayOfYear == 366;
}
static_assert(MarchMonthFormulasHold());

// Every 32-bit day number is moved forward by this many 400-year cycles, which
// makes it a non-negative count of days since 1 March of year -400 × 14712.
inline constexpr int64_t kGregorianShiftCycles = 14712;
inline constexpr int64_t kGregorianDayShift =
    kGregorianShiftCycles * kGregorianDaysPer400Years - kGregorianMarchFirstOfYear0;
static_assert(std::numeric_limits<int32_t>::min() + kGregorianDayShift >= 0);
static_assert(std::numeric_limits<int32_t>::max() + kGregorianDayShift < (int64_t{1} << 33));

inline constexpr uint32_t kYearOfCenturyFactor = 2939745;

// Checks the one-product split of a scaled day of a century (4 × day + 3) into
// the year (quotient by 1461) and the day of the year (remainder / 4) for every
// day of the longest century.
consteval bool YearOfCenturyProductHolds() {
    for (uint32_t dayOfCentury = 0; dayOfCentury <= 36524; ++dayOfCentury) {
        const uint32_t scaled = 4 * dayOfCentury + 3;
        const uint64_t product = uint64_t{kYearOfCenturyFactor} * scaled;
        if (static_cast<uint32_t>(product >> 32) != scaled / 1461 ||
            static_cast<uint32_t>(product) / kYearOfCenturyFactor / 4 != scaled % 1461 / 4) {
            return false;
        }
    }
    return true;
}

// Returns the Gregorian date of a day number; exact for every 32-bit day number.
constexpr CivilDate GregorianDateOfJdn(int32_t jdn) {
    const uint64_t days = static_cast<uint64_t>(jdn + kGregorianDayShift);  // [174296, 2^33)
    // The last century of a 400-year cycle has the extra day; 4 × days + 3 puts
    // it at the end of the division.
    const uint64_t scaledDays = 4 * days + 3;                         // < 2^35
    const uint64_t century = scaledDays / kGregorianDaysPer400Years;  // < 2^18
    const auto dayOfCentury =
        static_cast<uint32_t>(scaledDays % kGregorianDaysPer400Years) / 4;  // [0, 36524]
    // Likewise the last year of four is the leap year. One product gives both
    // parts: 2939745 / 2^32 is just above 1 / 1461, so the high half is the year
    // and the low half, divided back, the remainder (exact on this range, see
    // YearOfCenturyProductHolds).
    const uint32_t scaledDayOfCentury = 4 * dayOfCentury + 3;                      // [3, 146099]
    const uint64_t product = uint64_t{kYearOfCenturyFactor} * scaledDayOfCentury;  // < 2^39
    const auto yearOfCentury = static_cast<uint32_t>(product >> 32);               // [0, 99]
    const uint32_t dayOfYear =
        static_cast<uint32_t>(product) / kYearOfCenturyFactor / 4;  // [0, 365]
    const int64_t marchYear = static_cast<int64_t>(100 * century + yearOfCentury) -
                              400 * kGregorianShiftCycles;  // |marchYear| < 5.9 million
    return DateOfMarchDay(marchYear, dayOfYear);
}

// Years beyond this magnitude have no 32-bit day number, whatever day of the
// year: 2^24 years are more than 6 billion days, and even a day count of -2^31
// from the month's first day cannot bring them back. Within it, years are moved
// forward by kGregorianYearShift (a multiple of 400 above 2^24) onto
// non-negative values below 2^26, which keeps the divisions in 32 bits.
inline constexpr int64_t kMaxYearMagnitude = int64_t{1} << 24;
inline constexpr int64_t kGregorianYearShift = int64_t{400} * 41944;
static_assert(kGregorianYearShift > kMaxYearMagnitude);
static_assert(kGregorianYearShift + kMaxYearMagnitude < (int64_t{1} << 26));
static_assert((kMaxYearMagnitude - 1) * 365 - (int64_t{1} << 31) > (int64_t{1} << 31),
              "a year beyond kMaxYearMagnitude is too far for any 32-bit day number");

// Returns true when the closed forms below take the year.
constexpr bool IsYearInArithmeticRange(int64_t year) {
    return year >= -kMaxYearMagnitude && year <= kMaxYearMagnitude;
}

// Returns the day number of the first day of a Gregorian month; the year in
// -2^24..2^24 (IsYearInArithmeticRange), the month in 1..12. The result lies
// within about ±6.2 billion.
constexpr int64_t GregorianMonthStart(int64_t year, uint32_t month) {
    const uint32_t janFeb = month <= 2 ? 1 : 0;  // these belong to the March year before
    const auto marchYear = static_cast<uint32_t>(year + kGregorianYearShift - janFeb);  // [0, 2^26)
    const uint32_t century = marchYear / 100;
    // 365 days a year, a leap day every fourth year, none in a century year
    // unless it is a multiple of 400.
    const uint64_t days = uint64_t{365} * marchYear + marchYear / 4 - century + century / 4 +
                          kDaysFromMarchToMonth[month];  // < 2^34
    return static_cast<int64_t>(days) + kGregorianMarchFirstOfYear0 -
           kGregorianYearShift / 400 * kGregorianDaysPer400Years;
}

// The Julian calendar in the same way, with 4-year cycles.
inline constexpr int64_t kJulianShiftCycles = 1471051;
inline constexpr int64_t kJulianDayShift =
    kJulianShiftCycles * kJulianDaysPer4Years - kJulianMarchFirstOfYear0;
static_assert(std::numeric_limits<int32_t>::min() + kJulianDayShift >= 0);
static_assert(std::numeric_limits<int32_t>::max() + kJulianDayShift < (int64_t{1} << 33));

// Returns the Julian date of a day number; exact for every 32-bit day number.
constexpr CivilDate JulianDateOfJdn(int32_t jdn) {
    const uint64_t days = static_cast<uint64_t>(jdn + kJulianDayShift);  // < 2^33
    const uint64_t scaledDays = 4 * days + 3;                            // < 2^35
    const uint64_t shiftedYear = scaledDays / kJulianDaysPer4Years;      // < 2^25
    const auto dayOfYear =
        static_cast<uint32_t>(scaledDays % kJulianDaysPer4Years) / 4;  // [0, 365]
    return DateOfMarchDay(static_cast<int64_t>(shiftedYear) - 4 * kJulianShiftCycles, dayOfYear);
}

inline constexpr int64_t kJulianYearShift = kGregorianYearShift;  // also a multiple of 4

// Returns the day number of the first day of a Julian month; limits as for
// GregorianMonthStart.
constexpr int64_t JulianMonthStart(int64_t year, uint32_t month) {
    const uint32_t janFeb = month <= 2 ? 1 : 0;  // these belong to the March year before
    const auto marchYear = static_cast<uint32_t>(year + kJulianYearShift - janFeb);  // [0, 2^26)
    const uint64_t days =
        uint64_t{365} * marchYear + marchYear / 4 + kDaysFromMarchToMonth[month];  // < 2^34
    return static_cast<int64_t>(days) + kJulianMarchFirstOfYear0 -
           kJulianYearShift / 4 * kJulianDaysPer4Years;
}

static_assert(GregorianMonthStart(1, 1) == 1721426);
static_assert(GregorianMonthStart(9999, 12) + 30 == 5373484);
static_assert(JulianMonthStart(-4712, 1) == 0);
static_assert(GregorianDateOfJdn(1721426).year == 1 && GregorianDateOfJdn(1721426).day == 1);
static_assert(JulianDateOfJdn(0).year == -4712 && JulianDateOfJdn(0).month == 1);

}  // namespace roroviri::math
