#include "core/calendars/bahai.h"

#include "core/calendars/astronomy/civil_days.h"
#include "core/calendars/astronomy/delta_t.h"
#include "core/calendars/astronomy/solar_longitude.h"
#include "core/calendars/astronomy/sunset.h"
#include "core/calendars/calendar_arithmetic.h"
#include "core/calendars/year_cache.h"

namespace tembrel {

namespace {

constexpr int32_t kGregorianYearOffset = 1843;
// 21 March is day 20 of a "March year", which runs from 1 March to the end of
// February and so ends with the leap day: the length of a year by the
// 21 March rule is that of its March year.
constexpr int64_t kDaysFromMarchFirst = 20;

// Tehran, where the Universal House of Justice fixes the equinox; Iran
// standard time, UTC+3:30, gives the civil day of a moment there.
constexpr astronomy::Place kTehran{35.696111, 51.423056};
constexpr double kTehranZoneHours = 3.5;

constexpr int32_t kMonthDays = 19;
constexpr int32_t kDaysBeforeIntercalary = 18 * kMonthDays;

int64_t WesternNewYear(int64_t year) {
    return calendar_math::kMarchFirstOfYear0 +
           calendar_math::GregorianPatternYearStart(year + kGregorianYearOffset) +
           kDaysFromMarchFirst;
}

// Returns Naw-Rúz by the equinox: the civil day at Tehran of the equinox when
// it falls before that day's sunset, else the day after.
int32_t AstronomicalNewYear(int32_t year) {
    const double equinox = astronomy::UniversalFromTerrestrial(astronomy::SolarLongitudeMoment(
        0.0, astronomy::MarchEquinoxEstimate(year + kGregorianYearOffset)));
    const int32_t day = astronomy::DayOfMoment(equinox, kTehranZoneHours);
    return equinox < astronomy::SunsetMoment(day, kTehran) ? day : day + 1;
}

YmdDate DateOfDayInYear(int32_t year, int32_t dayOfYear, int intercalaryDays) {
    if (dayOfYear < kDaysBeforeIntercalary) {
        return MakeYmdDate(year, dayOfYear / kMonthDays + 1, dayOfYear % kMonthDays + 1);
    }
    const int32_t afterMonth18 = dayOfYear - kDaysBeforeIntercalary;
    if (afterMonth18 < intercalaryDays) {
        return MakeYmdDate(year, 0, afterMonth18 + 1);
    }
    return MakeYmdDate(year, 19, afterMonth18 - intercalaryDays + 1);
}

}  // namespace

int64_t BahaiNewYear(int32_t year) {
    if (year < kFirstAstronomicalBahaiYear) {
        return WesternNewYear(year);
    }
    thread_local YearCache<int32_t, 64> newYears;
    return newYears.Get(year, AstronomicalNewYear);
}

int32_t LastBahaiJdn() {
    return static_cast<int32_t>(BahaiNewYear(kLastBahaiYear + 1) - 1);
}

int BahaiIntercalaryDays(int32_t year) {
    if (year > kLastBahaiYear || !calendar_math::IsYearConvertible(year)) {
        return 0;
    }
    // A year has 19 × 19 = 361 days besides them.
    return static_cast<int>(BahaiNewYear(year + 1) - BahaiNewYear(year)) - 361;
}

int BahaiMonthLength(int32_t year, int32_t month) {
    if (month == 0) {
        return BahaiIntercalaryDays(year);
    }
    return month >= 1 && month <= 19 && year <= kLastBahaiYear ? kMonthDays : 0;
}

std::optional<YmdDate> BahaiDateOfJdn(int32_t jdn) {
    // Up to 171 BE: the year and its day from the March year of the day 20 days
    // before, whose length is the Bahá'í year's.
    const calendar_math::YearAndDay march = calendar_math::GregorianPatternYear(
        int64_t{jdn} - kDaysFromMarchFirst - calendar_math::kMarchFirstOfYear0);
    const int64_t westernYear = march.year - kGregorianYearOffset;
    if (westernYear < kFirstAstronomicalBahaiYear) {
        const bool longYear = calendar_math::IsGregorianLeapYear(march.year + 1);
        return DateOfDayInYear(static_cast<int32_t>(westernYear), march.dayOfYear,
                               longYear ? 5 : 4);
    }
    // From 172 BE: Naw-Rúz lies within a day of 21 March, so the year is the
    // western one or the one before.
    if (westernYear > kLastBahaiYear + 1) {
        return std::nullopt;
    }
    auto year = static_cast<int32_t>(westernYear);
    int64_t newYear = BahaiNewYear(year);
    if (jdn < newYear) {
        --year;
        newYear = BahaiNewYear(year);
    }
    if (year > kLastBahaiYear) {
        return std::nullopt;
    }
    int64_t nextNewYear = BahaiNewYear(year + 1);
    if (jdn >= nextNewYear) {
        if (year == kLastBahaiYear) {
            return std::nullopt;
        }
        ++year;
        newYear = nextNewYear;
        nextNewYear = BahaiNewYear(year + 1);
    }
    return DateOfDayInYear(year, static_cast<int32_t>(jdn - newYear),
                           static_cast<int>(nextNewYear - newYear) - 361);
}

JdnResult BahaiDateToJdn(const YmdDate& date) {
    if (!calendar_math::IsYearConvertible(date.year) || date.year > kLastBahaiYear) {
        return Refused(DateCheck::OutOfRange);
    }
    if (date.month < 0 || date.month > 19) {
        return Refused(DateCheck::NoSuchMonth);
    }
    const int64_t newYear = BahaiNewYear(date.year);
    const int intercalaryDays = static_cast<int>(BahaiNewYear(date.year + 1) - newYear) - 361;
    const int monthLength = date.month == 0 ? intercalaryDays : kMonthDays;
    if (date.day < 1 || date.day > monthLength) {
        return Refused(DateCheck::NoSuchDay);
    }
    int64_t daysBefore = kMonthDays * (date.month - 1);
    if (date.month == 0) {
        daysBefore = kDaysBeforeIntercalary;
    } else if (date.month == 19) {
        daysBefore = kDaysBeforeIntercalary + intercalaryDays;
    }
    return calendar_math::DayOfCount(newYear + daysBefore + date.day - 1);
}

}  // namespace tembrel
