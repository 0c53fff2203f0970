// Breakdowns of a difference between two dates into calendar units, borrowing
// from the month or year before the later date the way one subtracts dates by
// hand: years, months and days; years, weeks and days; years and days.
//
// A routine has no answer when a month or year length cannot be computed, when a
// count does not fit its field, or when a part would be negative (the second date
// lies before the first).
#pragma once

#include <cstdint>
#include <optional>

#include "core/date_records.h"

namespace tembrel {

struct YearsMonthsDays {
    int32_t years = 0;
    int16_t months = 0;
    int16_t days = 0;
};

struct YearsWeeksDays {
    int32_t years = 0;
    int16_t weeks = 0;
    int16_t days = 0;
};

struct YearsDays {
    int32_t years = 0;
    int16_t days = 0;
};

// Returns the days from `earlier` to `later`, each read from year, month, day and
// marker (the calendar library's day count). Empty when a date cannot be
// converted or the count does not fit 16 bits.
std::optional<int16_t> DaysElapsed(const CalDate& later, const CalDate& earlier);

// Returns the length of the record's month in its calendar: the days from its
// first to the first of the next month (month 1 of the next year after month 12,
// or after month 10 for marker 'A'). Empty when it cannot.
std::optional<int16_t> DaysInMonthOf(const CalDate& date);

// Returns the length of the record's year in its calendar (1 January to the next
// 1 January). Empty when it cannot.
std::optional<int16_t> DaysInYearOf(const CalDate& date);

// Breaks the days from `first` to `second` (same calendar, valid dates) into
// years, months and days. A day count left negative after borrowing the month
// before the second date borrows the month before that too (31 January to
// 1 March 2007 is 29 days), so no part is ever negative. The first date plus the
// years and months (a day beyond the month counted on into the next), plus the
// days, is the second date.
std::optional<YearsMonthsDays> DiffYMD(const CalDate& first, const CalDate& second);

// Breaks the days from `first` to `second` (ISO week dates) into years, weeks and
// days. Borrowed weeks are those of the ISO year before the second date's year,
// the year the count runs through last. A week 53 moved into a year of 52 weeks
// counts on into the next year, so the first date plus the years (same week and
// weekday), the weeks and the days is always the second date.
std::optional<YearsWeeksDays> DiffYWD(const ISOWeekDate& first, const ISOWeekDate& second);

// Breaks the days from `first` to `second` into years and days, by the days of
// the year; a negative day count borrows the year before the second date's year.
std::optional<YearsDays> DiffYD(const CalDate& first, const CalDate& second);

}  // namespace tembrel
