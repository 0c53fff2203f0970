// Internal to the calendar library: the rules of the three supported calendars
// behind one marker switch, shared by the conversions, str_to_date and
// days_elapsed.
#pragma once

#include <cstdint>
#include <optional>

namespace roroviri {

inline constexpr int32_t kGregorian = 'G';
inline constexpr int32_t kJulian = 'J';
inline constexpr int32_t kAnnusNovus = 'A';

// Returns the number of months of a year in the marker's calendar (12, or 10 for
// Revar Overe); 0 for an unsupported marker.
int32_t MonthsInYear(int32_t marker);

// Returns the number of days of a month in the marker's calendar; 0 when the
// month does not exist (outside 1..MonthsInYear) or the marker is unsupported.
// Any 64-bit year.
int32_t DaysInMonth(int32_t marker, int64_t year, int32_t month);

// Returns the day number of a Gregorian ('G') or Julian ('J') date; empty for any
// other marker. A month outside 1..12 moves whole years (month 13 is January of
// the next year) and the day is counted on from the month's first day (day 0 is
// the last day of the month before). Exact for every 32-bit year, month and day
// whose day number fits in 32 bits; otherwise the result lies outside 32 bits or
// is empty (years too far for the arithmetic).
std::optional<int64_t> EuroDayNumber(int32_t marker, int32_t year, int32_t month, int32_t day);

// Returns the day number of a Revar Overe date, months and days counted on like
// EuroDayNumber (month 11 is month 1 of the next year); limits as for
// EuroDayNumber.
std::optional<int64_t> AnnusNovusDayNumber(int32_t year, int32_t month, int32_t day);

// Returns the number of days of a Revar Overe month 1..10 of a year.
int32_t AnnusNovusMonthDays(int64_t year, int32_t month);

// Returns the day number of a date in the marker's calendar ('G', 'J' or 'A');
// empty for an unsupported marker. Limits as for EuroDayNumber.
std::optional<int64_t> DayNumberOf(int32_t marker, int32_t year, int32_t month, int32_t day);

}  // namespace roroviri
