// The reference conversions the benchmarks compare against, each written from its
// published description:
//  - Howard Hinnant's civil_from_days / days_from_civil (the Gregorian calendar
//    through 400-year eras), here with 64-bit intermediates so that every 32-bit
//    day number converts;
//  - std::chrono::year_month_day, which holds years -32767..32767 only;
//  - the leap week calendar found by walking year by year through the 400-year
//    cycle, the straightforward form of its rules.
#pragma once

#include <chrono>
#include <cstdint>

namespace bench_reference {

// Day number of 1 January 1970, the day count origin of the first two.
inline constexpr int64_t kUnixEpochJdn = 2440588;

struct Ymd {
    int64_t year;
    unsigned month;
    unsigned day;
};

inline constexpr Ymd CivilFromDays(int64_t daysSinceEpoch) {
    const int64_t z = daysSinceEpoch + 719468;  // days since 1 March 0
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(z - era * 146097);  // [0, 146096]
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
    const int64_t year = static_cast<int64_t>(yearOfEra) + era * 400;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthFromMarch = (5 * dayOfYear + 2) / 153;            // [0, 11]
    const unsigned day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;  // [1, 31]
    const unsigned month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    return {year + (month <= 2 ? 1 : 0), month, day};
}

inline constexpr int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);  // [0, 399]
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

inline Ymd HinnantDateOfJdn(int32_t jdn) {
    return CivilFromDays(int64_t{jdn} - kUnixEpochJdn);
}

inline int64_t HinnantJdnOfDate(const Ymd& date) {
    return DaysFromCivil(date.year, date.month, date.day) + kUnixEpochJdn;
}

inline std::chrono::year_month_day ChronoDateOfJdn(int32_t jdn) {
    return std::chrono::year_month_day{
        std::chrono::sys_days{std::chrono::days{int64_t{jdn} - kUnixEpochJdn}}};
}

inline int64_t ChronoJdnOfDate(const std::chrono::year_month_day& date) {
    return std::chrono::sys_days{date}.time_since_epoch().count() + kUnixEpochJdn;
}

// The leap week calendar, year by year through one 400-year cycle.
struct LeapWeekWalk {
    static constexpr int64_t kEpochJdn = 1721419;  // year 1, week 1, Monday
    static constexpr int64_t kCycleDays = 146097;

    static int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }
    static bool IsLeap(int64_t year) {
        return (71 * year + 203 - 400 * FloorDiv(71 * year + 203, 400)) < 71;
    }
    static int64_t DaysInYear(int64_t year) { return IsLeap(year) ? 371 : 364; }

    struct WeekDate {
        int64_t year;
        int week;
        int weekday;
    };

    static WeekDate FromJdn(int32_t jdn) {
        const int64_t cycles = FloorDiv(int64_t{jdn} - kEpochJdn, kCycleDays);
        int64_t day = int64_t{jdn} - kEpochJdn - cycles * kCycleDays;  // [0, 146096]
        int64_t year = 1;
        while (day >= DaysInYear(year)) {
            day -= DaysInYear(year);
            ++year;
        }
        return {year + 400 * cycles, static_cast<int>(day / 7 + 1), static_cast<int>(day % 7 + 1)};
    }

    static int64_t ToJdn(const WeekDate& date) {
        const int64_t cycles = FloorDiv(date.year - 1, 400);
        const int64_t yearOfCycle = date.year - 400 * cycles;  // [1, 400]
        int64_t days = 0;
        for (int64_t year = 1; year < yearOfCycle; ++year) {
            days += DaysInYear(year);
        }
        return kEpochJdn + cycles * kCycleDays + days + (date.week - 1) * 7 + (date.weekday - 1);
    }
};

}  // namespace bench_reference
