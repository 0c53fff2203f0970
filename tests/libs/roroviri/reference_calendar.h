// A deliberately plain model of the Gregorian and Julian calendars for checking
// the library: years counted from 1 January with floor divisions, the year found
// by estimate and correction, the month by walking a table of month lengths.
// Slow but independent of the library's March-year arithmetic.
#pragma once

#include <cstdint>
#include <ostream>

namespace roroviri_test {

enum class Calendar { Gregorian, Julian };

struct Ymd {
    int64_t year = 0;
    int64_t month = 0;
    int64_t day = 0;
    bool operator==(const Ymd&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Ymd& date) {
    return out << date.year << '-' << date.month << '-' << date.day;
}

inline int64_t FloorDivision(int64_t a, int64_t b) {
    const int64_t quotient = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

inline bool IsLeap(Calendar calendar, int64_t year) {
    if (FloorDivision(year, 4) * 4 != year) {
        return false;
    }
    if (calendar == Calendar::Julian) {
        return true;
    }
    return FloorDivision(year, 100) * 100 != year || FloorDivision(year, 400) * 400 == year;
}

inline int64_t MonthLength(Calendar calendar, int64_t year, int64_t month) {
    static constexpr int64_t kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kLengths[month] + (month == 2 && IsLeap(calendar, year) ? 1 : 0);
}

// JDN of 1 January of year 1.
inline int64_t FirstOfYearOne(Calendar calendar) {
    return calendar == Calendar::Gregorian ? 1721426 : 1721424;
}

// Days from 1 January of year 1 to 1 January of `year`.
inline int64_t DaysBeforeYear(Calendar calendar, int64_t year) {
    const int64_t previous = year - 1;
    int64_t leapDays = FloorDivision(previous, 4);
    if (calendar == Calendar::Gregorian) {
        leapDays += FloorDivision(previous, 400) - FloorDivision(previous, 100);
    }
    return 365 * previous + leapDays;
}

// JDN of a valid date (month 1..12, day within the month).
inline int64_t ReferenceJdn(Calendar calendar, const Ymd& date) {
    int64_t jdn = FirstOfYearOne(calendar) + DaysBeforeYear(calendar, date.year);
    for (int64_t month = 1; month < date.month; ++month) {
        jdn += MonthLength(calendar, date.year, month);
    }
    return jdn + date.day - 1;
}

inline Ymd ReferenceDate(Calendar calendar, int64_t jdn) {
    const int64_t days = jdn - FirstOfYearOne(calendar);
    const int64_t cycleYears = calendar == Calendar::Gregorian ? 400 : 4;
    const int64_t cycleDays = calendar == Calendar::Gregorian ? 146097 : 1461;
    int64_t year = FloorDivision(days * cycleYears, cycleDays) + 1;
    while (DaysBeforeYear(calendar, year) > days) {
        --year;
    }
    while (DaysBeforeYear(calendar, year + 1) <= days) {
        ++year;
    }
    Ymd date{year, 1, days - DaysBeforeYear(calendar, year) + 1};
    while (date.day > MonthLength(calendar, year, date.month)) {
        date.day -= MonthLength(calendar, year, date.month);
        ++date.month;
    }
    return date;
}

// Returns the date after `date`, by the month-length table.
inline Ymd NextDay(Calendar calendar, Ymd date) {
    if (date.day < MonthLength(calendar, date.year, date.month)) {
        ++date.day;
    } else if (date.month < 12) {
        ++date.month;
        date.day = 1;
    } else {
        date = {date.year + 1, 1, 1};
    }
    return date;
}

// Returns the date before `date`, by the month-length table.
inline Ymd PreviousDay(Calendar calendar, Ymd date) {
    if (date.day > 1) {
        --date.day;
    } else if (date.month > 1) {
        --date.month;
        date.day = MonthLength(calendar, date.year, date.month);
    } else {
        date = {date.year - 1, 12, 31};
    }
    return date;
}

}  // namespace roroviri_test
