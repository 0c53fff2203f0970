// ISO 8601 week dates and ordinal dates, both tied to the Gregorian calendar, and
// the leap-year rule of the Gregorian and Julian calendars.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/date_records.h"

namespace tembrel {

// Returns the day number of the Monday that starts ISO week 1 of the year: the
// Monday on or before 1 January when 1 January is a Monday to Thursday, else the
// Monday after it. Empty when that day number does not fit in 32 bits (only for
// years beyond the accepted range).
std::optional<int32_t> ISOWeekOneStart(int32_t year);

// Returns the ISO week date of a day number, with the day number. Exact for
// every day number in kMinJDN..kMaxJDN.
ISOWeekDate ISOWeekDateOf(int32_t jdn);

// Returns the day number of year, week and weekday, taken as they are (week 0 is
// the week before week 1); empty when it does not fit in 32 bits. The record's
// jdn is not read.
std::optional<int32_t> JDNOfISOWeekDate(const ISOWeekDate& date);

// Returns true when the ISO year has 53 weeks.
bool ISOYearHas53Weeks(int32_t year);

// Returns the day number of day `day` of the Gregorian year (day 1 = 1 January);
// empty when it does not fit in 32 bits.
std::optional<int32_t> OrdinalToJDN(int32_t year, int32_t day);

// Returns true when the year is a leap year: for marker "J" every year divisible
// by 4, for every other marker the Gregorian rule. Only the marker's first
// character counts, in either case.
bool IsLeapYear(int32_t year, std::string_view marker);

}  // namespace tembrel
