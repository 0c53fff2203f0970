#include "core/calendars/indian_national.h"

#include "core/calendars/calendar_arithmetic.h"

namespace tembrel {

namespace {

constexpr int64_t kGregorianYearOffset = 78;
// The year begins on day 80 of the Gregorian year: 31 + 28 + 21 days before
// 22 March, or 31 + 29 + 20 before 21 March.
constexpr int32_t kStartInGregorianYear = 80;

constexpr int32_t kChaitraDays = 30;
constexpr int32_t kLongMonthsDays = 5 * 31;  // Vaishakha .. Bhadra

// Returns the days of the months before a month 1..12.
int32_t DaysBeforeMonth(int32_t month, bool leap) {
    if (month == 1) {
        return 0;
    }
    const int32_t chaitra = kChaitraDays + (leap ? 1 : 0);
    if (month <= 7) {
        return chaitra + 31 * (month - 2);
    }
    return chaitra + kLongMonthsDays + 30 * (month - 7);
}

}  // namespace

bool IsIndianNationalLeapYear(int64_t year) {
    return calendar_math::IsGregorianLeapYear(year + kGregorianYearOffset);
}

int IndianNationalMonthLength(int64_t year, int32_t month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 1) {
        return kChaitraDays + (IsIndianNationalLeapYear(year) ? 1 : 0);
    }
    return month <= 6 ? 31 : 30;
}

YmdDate IndianNationalDateOfJdn(int32_t jdn) {
    const calendar_math::YearAndDay gregorian =
        calendar_math::GregorianYearOf(int64_t{jdn} - kStartInGregorianYear);
    const auto year = static_cast<int32_t>(gregorian.year - kGregorianYearOffset);
    const int32_t day = gregorian.dayOfYear;  // [0, 365]
    const int32_t chaitra =
        kChaitraDays + (calendar_math::IsGregorianLeapYear(gregorian.year) ? 1 : 0);
    if (day < chaitra) {
        return MakeYmdDate(year, 1, day + 1);
    }
    const int32_t afterChaitra = day - chaitra;  // [0, 334]
    if (afterChaitra < kLongMonthsDays) {
        return MakeYmdDate(year, afterChaitra / 31 + 2, afterChaitra % 31 + 1);
    }
    const int32_t shortMonthsDay = afterChaitra - kLongMonthsDays;  // [0, 179]
    return MakeYmdDate(year, shortMonthsDay / 30 + 7, shortMonthsDay % 30 + 1);
}

JdnResult IndianNationalDateToJdn(const YmdDate& date) {
    const DateCheck check = calendar_math::CheckYmdFields(date, 12, IndianNationalMonthLength);
    if (check != DateCheck::Valid) {
        return Refused(check);
    }
    const bool leap = IsIndianNationalLeapYear(date.year);
    const int64_t yearStart =
        calendar_math::GregorianNewYear(int64_t{date.year} + kGregorianYearOffset) +
        kStartInGregorianYear;  // |.| < 2^32
    return calendar_math::DayOfCount(yearStart + DaysBeforeMonth(date.month, leap) + date.day - 1);
}

}  // namespace tembrel
