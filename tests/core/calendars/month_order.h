// The order of the months of the calendars whose months are not simply
// 1..12 or 1..13 within a year, for the tests that check that each day's date
// follows the date of the day before.
#pragma once

#include "core/calendars/calendar_date.h"
#include "core/calendars/hebrew.h"

namespace tembrel::month_order {

// Returns the first day of the month after the month of a date: months 1..months
// in order, then month 1 of the next year.
inline YmdDate NextInYear(const YmdDate& date, int32_t months) {
    return date.month < months ? YmdDate{date.year, date.month + 1, 1}
                               : YmdDate{date.year + 1, 1, 1};
}

// Hebrew months run Tishri (7) .. Adar (12), Adar II (13) in a leap year,
// Nisan (1) .. Elul (6); the year changes at Tishri.
inline YmdDate NextHebrewMonth(const YmdDate& date) {
    if (date.month == 6) {
        return {date.year + 1, 7, 1};
    }
    if (date.month == 12) {
        return {date.year, IsHebrewLeapYear(date.year) ? 13 : 1, 1};
    }
    return {date.year, date.month == 13 ? 1 : date.month + 1, 1};
}

// Bahá'í months 1..18, Ayyám-i-Há (0), month 19.
inline YmdDate NextBahaiMonth(const YmdDate& date) {
    if (date.month == 19) {
        return {date.year + 1, 1, 1};
    }
    return {date.year, date.month == 18 ? 0 : (date.month == 0 ? 19 : date.month + 1), 1};
}

// Returns true when `after` is the day after `before`: the next day of the
// month, or after the month's last day the first day of the next month.
template <typename MonthLength, typename NextMonth>
bool Follows(const YmdDate& before, const YmdDate& after, MonthLength monthLength,
             NextMonth nextMonth) {
    if (after.day == before.day + 1) {
        return after.year == before.year && after.month == before.month &&
               (before.day < 28 || after.day <= monthLength(after.year, after.month));
    }
    return before.day == monthLength(before.year, before.month) && after == nextMonth(before);
}

}  // namespace tembrel::month_order
