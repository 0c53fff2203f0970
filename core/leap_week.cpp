#include "core/leap_week.h"

#include <algorithm>
#include <limits>

namespace tembrel {

namespace {

// Weeks of a quarter: five, four, four.
constexpr int kQuarterWeeks = 13;
constexpr int kWeeksBeforeMonthInQuarter[3] = {0, 5, 9};
constexpr int kQuarterDays = 7 * kQuarterWeeks;

// Returns the weeks of the months before month 1..12 of a year; December's
// fifth week of a leap year comes after every month.
int WeeksBeforeMonth(int month) {
    const int quarters = (month - 1) / 3;
    return kQuarterWeeks * quarters + kWeeksBeforeMonthInQuarter[(month - 1) % 3];
}

// The leap week year that holds a day number, and the day's place in it.
struct YearAndDay {
    int32_t year;
    int dayOfYear;  // [0, 370]: 0 is the Monday of week 1
};

// Finds the year of a day number in constant time; exact for every 32-bit day
// number.
YearAndDay YearAndDayOf(int32_t jdn) {
    // A year has 364 or 371 days, so the estimate from the mean year length is at
    // most one year off in either direction.
    int64_t year = LeapWeekFloorDiv((int64_t{jdn} - kLeapWeekEpochJDN) * kLeapWeekCycleYears,
                                    kLeapWeekCycleDays) +
                   1;
    if (LeapWeekYearStart(year) > jdn) {
        --year;
    } else if (LeapWeekYearStart(year + 1) <= jdn) {
        ++year;
    }
    return {static_cast<int32_t>(year), static_cast<int>(jdn - LeapWeekYearStart(year))};
}

int16_t WeekOfDay(int dayOfYear) {
    return static_cast<int16_t>(dayOfYear / 7 + 1);
}

int16_t WeekdayOfDay(int dayOfYear) {
    return static_cast<int16_t>(dayOfYear % 7 + 1);
}

}  // namespace

bool IsLeapWeekYear(int32_t year) {
    const int64_t value = 71 * int64_t{year} + 203;                        // |value| < 2^39
    const int64_t remainder = value - 400 * LeapWeekFloorDiv(value, 400);  // [0, 399]
    return remainder < kLeapWeekLeapYearsPerCycle;
}

int WeeksInLeapWeekYear(bool leap) {
    return leap ? 53 : 52;
}

int DaysInLeapWeekYear(bool leap) {
    return leap ? 371 : 364;
}

int WeeksInLeapWeekMonth(int month, bool leap) {
    if (month % 3 == 1 || (month == 12 && leap)) {
        return 5;
    }
    return 4;
}

LeapWeekDate LPWDateOf(int32_t jdn) {
    const YearAndDay found = YearAndDayOf(jdn);
    return {found.year, 0, 0, WeekOfDay(found.dayOfYear), WeekdayOfDay(found.dayOfYear), jdn};
}

std::optional<LeapWeekDate> LPMFormOf(const LeapWeekDate& date) {
    if (!IsLPWWeekday(date.weekday)) {
        return std::nullopt;
    }
    // Months repeat in quarters of 5 + 4 + 4 weeks; in a leap year December has a
    // fifth week (week 53), and the weeks after it run on one week later.
    int week = date.week;
    int month = 1;
    int weekOfMonth = week;
    // Only weeks from 53 on depend on whether the year is a leap year.
    const bool leap = week >= 53 && IsLeapWeekYear(date.year);
    if (leap && week == 53) {
        month = 12;
        weekOfMonth = 5;
    } else if (week >= 1) {
        if (leap) {
            --week;
        }
        const int quarter = (week - 1) / kQuarterWeeks;
        const int inQuarter = (week - 1) % kQuarterWeeks;  // [0, 12]
        const int monthInQuarter = inQuarter < 5 ? 0 : (inQuarter < 9 ? 1 : 2);
        month = 3 * quarter + monthInQuarter + 1;
        weekOfMonth = inQuarter - kWeeksBeforeMonthInQuarter[monthInQuarter] + 1;
    }
    LeapWeekDate withMonth = date;
    withMonth.month = static_cast<int16_t>(month);
    withMonth.day = static_cast<int16_t>((weekOfMonth - 1) * 7 + date.weekday);
    return withMonth;
}

std::optional<LeapWeekDate> LPWFormOf(const LeapWeekDate& date) {
    if (date.month < 0 || date.month > 12) {
        return std::nullopt;
    }
    const int month = date.month == 0 ? 1 : date.month;
    // Only December's length depends on whether the year is a leap year.
    const bool leap = month == 12 && IsLeapWeekYear(date.year);
    const int daysInMonth = 7 * WeeksInLeapWeekMonth(month, leap);
    if (date.day < 0 || date.day > daysInMonth) {
        return std::nullopt;
    }
    const int weeksBefore = date.month == 0 ? 0 : WeeksBeforeMonth(date.month);
    // Division and remainder truncate toward zero: day 0 gives week 1, weekday 0.
    LeapWeekDate withWeek = date;
    withWeek.week = static_cast<int16_t>(weeksBefore + (date.day - 1) / 7 + 1);
    withWeek.weekday = static_cast<int16_t>((date.day - 1) % 7 + 1);
    return withWeek;
}

LeapWeekDate LPMDateOf(int32_t jdn) {
    const YearAndDay found = YearAndDayOf(jdn);
    const int dayOfYear = found.dayOfYear;
    // From the day of the year, without branches: quarters of 91 days (35 + 28
    // + 28); the days 364..370 of a leap year (its week 53) are December's 29th
    // to 35th, so the last quarter simply runs on.
    const int quarter = std::min(dayOfYear / kQuarterDays, 3);
    const int inQuarter = dayOfYear - kQuarterDays * quarter;  // [0, 97]
    const int monthInQuarter = int{inQuarter >= 35} + int{inQuarter >= 63};
    const auto month = static_cast<int16_t>(3 * quarter + monthInQuarter + 1);
    const auto day =
        static_cast<int16_t>(inQuarter - 7 * kWeeksBeforeMonthInQuarter[monthInQuarter] + 1);
    return {found.year, month, day, WeekOfDay(dayOfYear), WeekdayOfDay(dayOfYear), jdn};
}

ParsedDay JDNOfLPMDate(const LeapWeekDate& date) {
    const std::optional<LeapWeekDate> withWeek = LPWFormOf(date);
    if (!withWeek) {
        return {ParseStatus::Invalid, 0};
    }
    return JDNOfLPWDate(*withWeek);
}

}  // namespace tembrel
