// The leap week calendar: every year starts on a Monday and has 52 weeks, or 53 in
// a leap year (the extra week ends December). Dates are written in week form
// (year, week, weekday) or month form (year, month, day); months 1, 4, 7 and 10
// have five weeks, the others four, and December five in a leap year.
//
// Year 1, week 1, weekday 1 is JDN 1721419; 400 years hold 146097 days.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

#include "core/date_records.h"
#include "core/parse_status.h"

namespace tembrel {

inline constexpr int32_t kLeapWeekEpochJDN = 1721419;  // year 1, week 1, Monday
inline constexpr int32_t kLeapWeekCycleDays = 146097;  // days in 400 years
inline constexpr int kLeapWeekCycleYears = 400;
inline constexpr int kLeapWeekLeapYearsPerCycle = 71;

// Returns true when ((71 × year + 203) mod 400) < 71, the remainder in 0..399.
bool IsLeapWeekYear(int32_t year);

// Returns 53 for a leap year, else 52.
int WeeksInLeapWeekYear(bool leap);

// Returns 371 for a leap year, else 364.
int DaysInLeapWeekYear(bool leap);

// Returns 5 for months 1, 4, 7, 10 (month mod 3 = 1) and for December of a leap
// year, else 4.
int WeeksInLeapWeekMonth(int month, bool leap);

// Returns a / b rounded toward minus infinity; b > 0.
constexpr int64_t LeapWeekFloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Returns the day number of the Monday that starts the year, as a 64-bit value so
// that every 32-bit year has one.
constexpr int64_t LeapWeekYearStart(int64_t year) {
    // The years 1 .. year-1 hold floor((71 × year + 132) / 400) leap years: the
    // count of leap years rises exactly where (71 × i + 203) mod 400 wraps below 71.
    // For a 32-bit year the result stays below 2^42.
    return kLeapWeekEpochJDN + 364 * (year - 1) + 7 * LeapWeekFloorDiv(71 * year + 132, 400);
}

// Returns true for the weekdays a week form date may hold: 1..7, and 0 for the
// day before the week's Monday.
constexpr bool IsLPWWeekday(int weekday) {
    return weekday >= 0 && weekday <= 7;
}

// Returns the week form of a day number, with the day number: year, week and
// weekday. Constant time, exact for every 32-bit day number.
LeapWeekDate LPWDateOf(int32_t jdn);

// Returns both forms of a day number: LPWDateOf with month and day.
LeapWeekDate LPMDateOf(int32_t jdn);

// Returns the day number of year, week and weekday (weekday 0 is the day before
// weekday 1; week 0 lies before week 1, weeks past the year's last run on into
// the next year). Invalid for a weekday outside 0..7, OutOfRange when the day
// number does not fit in 32 bits. The record's jdn is not read. Inline, so that
// the day number and its status stay apart in registers rather than packed
// into one for a return.
inline ParsedDay JDNOfLPWDate(const LeapWeekDate& date) {
    if (!IsLPWWeekday(date.weekday)) {
        return {ParseStatus::Invalid, 0};
    }
    const int64_t jdn = LeapWeekYearStart(date.year) + (int64_t{date.week} - 1) * 7 +
                        (int64_t{date.weekday} - 1);  // |jdn| < 2^43
    if (jdn <= std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max()) {
        return {ParseStatus::OutOfRange, 0};
    }
    return {ParseStatus::Valid, static_cast<int32_t>(jdn)};
}

// Returns the day number of year, month and day: LPWFormOf, then JDNOfLPWDate.
// Invalid where LPWFormOf has no answer.
ParsedDay JDNOfLPMDate(const LeapWeekDate& date);

// Returns the record with month and day set from year, week and weekday; empty
// for a weekday outside 0..7.
std::optional<LeapWeekDate> LPMFormOf(const LeapWeekDate& date);

// Returns the record with week and weekday set from year, month and day. Month 0
// reads as month 1 and day 0 as the day before the month's first. Empty for a
// month outside 0..12 or a day outside 0..days of the month.
std::optional<LeapWeekDate> LPWFormOf(const LeapWeekDate& date);

}  // namespace tembrel
