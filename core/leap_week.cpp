#include "core/leap_week.h"

#include <algorithm>
#include <limits>

namespace tembrel {

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

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

}  // namespace

bool IsLeapWeekYear(int32_t year) {
    const int64_t value = 71 * int64_t{year} + 203;                // |value| < 2^39
    const int64_t remainder = value - 400 * FloorDiv(value, 400);  // [0, 399]
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

int64_t LeapWeekYearStart(int64_t year) {
    // The years 1 .. year-1 hold floor((71 × year + 132) / 400) leap years: the
    // count of leap years rises exactly where (71 × i + 203) mod 400 wraps below 71.
    // For a 32-bit year the result stays below 2^42.
    return kLeapWeekEpochJDN + 364 * (year - 1) + 7 * FloorDiv(71 * year + 132, 400);
}

int16_t CheckLPWDate(const LeapWeekDate& record) {
    return record.weekday < 0 || record.weekday > 7 ? kLeapWeekBadDay : kLeapWeekValid;
}

void JDNToLPW(LeapWeekDate& record) {
    const int64_t jdn = record.jdn;
    // A year has 364 or 371 days, so the estimate from the mean year length is at
    // most one year off in either direction.
    int64_t year =
        FloorDiv((jdn - kLeapWeekEpochJDN) * kLeapWeekCycleYears, kLeapWeekCycleDays) + 1;
    if (LeapWeekYearStart(year) > jdn) {
        --year;
    } else if (LeapWeekYearStart(year + 1) <= jdn) {
        ++year;
    }
    const int64_t dayOfYear = jdn - LeapWeekYearStart(year);  // [0, 370]
    record.year = static_cast<int32_t>(year);
    record.week = static_cast<int16_t>(dayOfYear / 7 + 1);
    record.weekday = static_cast<int16_t>(dayOfYear % 7 + 1);
    record.status = kLeapWeekValid;
}

bool LPWToJDN(LeapWeekDate& record) {
    record.status = CheckLPWDate(record);
    if (record.status < 0) {
        return false;
    }
    const int64_t jdn = LeapWeekYearStart(record.year) + (int64_t{record.week} - 1) * 7 +
                        (int64_t{record.weekday} - 1);
    if (jdn <= std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max()) {
        record.status = kLeapWeekOutOfRange;
        return false;
    }
    record.jdn = static_cast<int32_t>(jdn);
    return true;
}

bool LPWToLPM(LeapWeekDate& record) {
    record.status = CheckLPWDate(record);
    if (record.status < 0) {
        return false;
    }
    // Months repeat in quarters of 5 + 4 + 4 weeks; in a leap year December has a
    // fifth week (week 53), and the weeks after it run on one week later.
    int week = record.week;
    int month = 1;
    int weekOfMonth = week;
    // Only weeks from 53 on depend on whether the year is a leap year.
    const bool leap = week >= 53 && IsLeapWeekYear(record.year);
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
    record.month = static_cast<int16_t>(month);
    record.day = static_cast<int16_t>((weekOfMonth - 1) * 7 + record.weekday);
    return true;
}

bool LPMToLPW(LeapWeekDate& record) {
    if (record.month < 0 || record.month > 12) {
        record.status = kLeapWeekBadMonth;
        return false;
    }
    const int month = record.month == 0 ? 1 : record.month;
    // Only December's length depends on whether the year is a leap year.
    const bool leap = month == 12 && IsLeapWeekYear(record.year);
    const int daysInMonth = 7 * WeeksInLeapWeekMonth(month, leap);
    if (record.day < 0 || record.day > daysInMonth) {
        record.status = kLeapWeekBadDay;
        return false;
    }
    const int weeksBefore = record.month == 0 ? 0 : WeeksBeforeMonth(record.month);
    // Division and remainder truncate toward zero: day 0 gives week 1, weekday 0.
    record.week = static_cast<int16_t>(weeksBefore + (record.day - 1) / 7 + 1);
    record.weekday = static_cast<int16_t>((record.day - 1) % 7 + 1);
    record.status = kLeapWeekValid;
    return true;
}

void JDNToLPM(LeapWeekDate& record) {
    JDNToLPW(record);
    // From the day of the year, without branches: quarters of 91 days (35 + 28
    // + 28); the days 364..370 of a leap year (its week 53) are December's 29th
    // to 35th, so the last quarter simply runs on.
    const int dayOfYear = (record.week - 1) * 7 + (record.weekday - 1);  // [0, 370]
    const int quarter = std::min(dayOfYear / kQuarterDays, 3);
    const int inQuarter = dayOfYear - kQuarterDays * quarter;  // [0, 97]
    const int monthInQuarter = int{inQuarter >= 35} + int{inQuarter >= 63};
    record.month = static_cast<int16_t>(3 * quarter + monthInQuarter + 1);
    record.day =
        static_cast<int16_t>(inQuarter - 7 * kWeeksBeforeMonthInQuarter[monthInQuarter] + 1);
}

bool LPMToJDN(LeapWeekDate& record) {
    return LPMToLPW(record) && LPWToJDN(record);
}

}  // namespace tembrel
