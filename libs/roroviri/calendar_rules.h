// Internal to the calendar library: the rules of the three supported calendars
// behind one marker switch, shared by the conversions, str_to_date and
// days_elapsed.
#pragma once

#include <cstdint>

#include "libs/roroviri/civil_day_math.h"

namespace roroviri {

inline constexpr int32_t kGregorian = 'G';
inline constexpr int32_t kJulian = 'J';
inline constexpr int32_t kAnnusNovus = 'A';

// What the day number routines below answer for a date that has no day number
// (an unsupported marker, a year too far for the arithmetic): a value outside
// every 32-bit range, so that math::FitsJdn rejects it like any day number too
// far away. A plain value rather than an empty std::optional: an optional comes
// back from a call through memory, which stalls the processor on every date.
inline constexpr int64_t kNoDayNumber = INT64_MIN;

// Returns the number of days of a Revar Overe month 1..10 of a year.
int32_t AnnusNovusMonthDays(int64_t year, int32_t month);

// Returns the number of months of a year in the marker's calendar (12, or 10 for
// Revar Overe); 0 for an unsupported marker.
inline int32_t MonthsInYear(int32_t marker) {
    switch (marker) {
        case kGregorian:
        case kJulian:
            return 12;
        case kAnnusNovus:
            return 10;
        default:
            return 0;
    }
}

// Returns the number of days of a month in the marker's calendar; 0 when the
// month does not exist (outside 1..MonthsInYear) or the marker is unsupported.
// Any 64-bit year. Inline, like MonthsInYear: str_to_date asks twice per date.
inline int32_t DaysInMonth(int32_t marker, int64_t year, int32_t month) {
    if (month < 1 || month > MonthsInYear(marker)) {
        return 0;
    }
    if (marker == kAnnusNovus) {
        return AnnusNovusMonthDays(year, month);
    }
    static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month != 2) {
        return kDays[month - 1];
    }
    const bool leap =
        marker == kJulian ? math::IsJulianLeapYear(year) : math::IsGregorianLeapYear(year);
    return leap ? 29 : 28;
}

// Returns the day number of a Gregorian ('G') or Julian ('J') date; kNoDayNumber
// for any other marker. A month outside 1..12 moves whole years (month 13 is January of
// the next year) and the day is counted on from the month's first day (day 0 is
// the last day of the month before). Exact for every 32-bit year, month and day
// whose day number fits in 32 bits; otherwise the result lies outside 32 bits or
// is kNoDayNumber (years too far for the arithmetic). Inline: every date read
// and every date converted to a day number passes here.
inline int64_t EuroDayNumber(int32_t marker, int32_t year, int32_t month, int32_t day) {
    int64_t fullYear = year;
    auto calendarMonth = static_cast<uint32_t>(month);
    if (month < 1 || month > 12) {
        // Whole years move out of the month: |fullYear| < 2^31 + 2^28.
        const int64_t monthsFromJanuary = int64_t{month} - 1;
        fullYear += math::FloorDiv(monthsFromJanuary, 12);
        calendarMonth = static_cast<uint32_t>(math::FloorMod(monthsFromJanuary, 12)) + 1;
    }
    if (!math::IsYearInArithmeticRange(fullYear)) {
        return kNoDayNumber;  // too far for any 32-bit day number
    }
    int64_t monthStart = 0;
    switch (marker) {
        case kGregorian:
            monthStart = math::GregorianMonthStart(fullYear, calendarMonth);
            break;
        case kJulian:
            monthStart = math::JulianMonthStart(fullYear, calendarMonth);
            break;
        default:
            return kNoDayNumber;
    }
    // |monthStart| < 2^33 and |day| < 2^31: the sum fits.
    return monthStart + (int64_t{day} - 1);
}

// Returns the day number of a Revar Overe date, months and days counted on like
// EuroDayNumber (month 11 is month 1 of the next year); limits as for
// EuroDayNumber.
int64_t AnnusNovusDayNumber(int32_t year, int32_t month, int32_t day);

// Returns the day number of a date in the marker's calendar ('G', 'J' or 'A');
// kNoDayNumber for an unsupported marker. Limits as for EuroDayNumber.
int64_t DayNumberOf(int32_t marker, int32_t year, int32_t month, int32_t day);

}  // namespace roroviri
