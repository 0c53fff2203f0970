#include "core/calendars/persian.h"

#include <cmath>

#include "core/calendars/astronomy/delta_t.h"
#include "core/calendars/astronomy/solar_longitude.h"
#include "core/calendars/calendar_arithmetic.h"
#include "core/calendars/year_cache.h"

namespace tembrel {

namespace {

using calendar_math::FloorDiv;

// The 33-year rule: 365 days a year and the leap days of the years before,
// floor((8y + 21) / 33), counted so that 1 Farvardin 1403 is JDN 2460390
// (20 March 2024).
constexpr int64_t kArithmeticBase = 1948320;
constexpr int64_t kCycleYears = 33;
constexpr int64_t kCycleDays = 33 * 365 + 8;

constexpr int32_t kGregorianYearOffset = 621;
// Iran standard time, UTC+3:30: noon there is 8:30 universal time.
constexpr double kIranZoneDays = 3.5 / 24.0;

// Returns the day of the new year computed from the equinox: the day (in Iran
// standard time) of the equinox when it falls before noon, else the day after.
// With the moment t in Iran's time as a Julian date (whose days begin at noon),
// that is floor(t) + 1.
int32_t AstronomicalNewYear(int32_t year) {
    const double equinox = astronomy::SolarLongitudeMoment(
        0.0, astronomy::MarchEquinoxEstimate(year + kGregorianYearOffset));
    const double local = astronomy::UniversalFromTerrestrial(equinox) + kIranZoneDays;
    return static_cast<int32_t>(std::floor(local)) + 1;
}

bool IsAstronomicalYear(int64_t year) {
    return year >= kFirstAstronomicalPersianYear && year < kLastAstronomicalPersianYear;
}

// The six months of 31 days come first.
constexpr int32_t kLongMonthsDays = 6 * 31;

// Returns the date of a day of a year counted from 0.
YmdDate DateOfDayInYear(int32_t year, int32_t dayOfYear) {
    if (dayOfYear < kLongMonthsDays) {
        return MakeYmdDate(year, dayOfYear / 31 + 1, dayOfYear % 31 + 1);
    }
    const int32_t shortMonthsDay = dayOfYear - kLongMonthsDays;  // [0, 179]
    return MakeYmdDate(year, shortMonthsDay / 30 + 7, shortMonthsDay % 30 + 1);
}

}  // namespace

int64_t ArithmeticPersianNewYear(int64_t year) {
    return kArithmeticBase + 365 * (year - 1) + FloorDiv(8 * year + 21, kCycleYears);
}

int64_t PersianNewYear(int64_t year) {
    if (!IsAstronomicalYear(year)) {
        return ArithmeticPersianNewYear(year);
    }
    thread_local YearCache<int32_t, 64> newYears;
    return newYears.Get(static_cast<int32_t>(year), AstronomicalNewYear);
}

bool IsPersianLeapYear(int32_t year) {
    return PersianNewYear(int64_t{year} + 1) - PersianNewYear(year) == 366;
}

int PersianMonthLength(int32_t year, int32_t month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month <= 6) {
        return 31;
    }
    return month <= 11 || IsPersianLeapYear(year) ? 30 : 29;
}

YmdDate PersianDateOfJdn(int32_t jdn) {
    // The year by the 33-year rule, whose new year falls on day
    // floor((12053 y - 12024) / 33) from the base: the largest such year at or
    // before the day. The equinox moves the new year at most a day or two from
    // it, so the year is that one or a neighbour.
    const int64_t days = int64_t{jdn} - kArithmeticBase;  // |days| < 2^32
    auto year = static_cast<int32_t>(FloorDiv(kCycleYears * days + 12056, kCycleDays));
    if (!IsAstronomicalYear(year - 1) && !IsAstronomicalYear(year) &&
        !IsAstronomicalYear(year + 1)) {
        return DateOfDayInYear(year, static_cast<int32_t>(jdn - ArithmeticPersianNewYear(year)));
    }
    int64_t newYear = PersianNewYear(year);
    int64_t nextNewYear = 0;
    if (jdn < newYear) {
        --year;
        nextNewYear = newYear;
        newYear = PersianNewYear(year);
    } else {
        nextNewYear = PersianNewYear(int64_t{year} + 1);
        if (jdn >= nextNewYear) {
            ++year;
            newYear = nextNewYear;
        }
    }
    return DateOfDayInYear(year, static_cast<int32_t>(jdn - newYear));
}

JdnResult PersianDateToJdn(const YmdDate& date) {
    const DateCheck check = calendar_math::CheckYmdFields(date, 12, PersianMonthLength);
    if (check != DateCheck::Valid) {
        return Refused(check);
    }
    const int32_t daysBeforeMonth =
        date.month <= 7 ? 31 * (date.month - 1) : kLongMonthsDays + 30 * (date.month - 7);
    return calendar_math::DayOfCount(PersianNewYear(date.year) + daysBeforeMonth + date.day - 1);
}

}  // namespace tembrel
