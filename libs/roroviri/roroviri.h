// roroviri — the calendar library: Gregorian, Julian and Revar Overe dates to
// Julian day numbers and back, the day of the week, splitting date text into a
// date, digit grouping and day counts.
//
// A C-style interface over one fixed-layout record, so that the program can
// treat the library as a separate component. Every function is exact for every
// Julian day number that fits in 32 bits and never overflows: results that
// cannot be represented are reported through the result codes documented below.
//
// Calendar markers (the character code in CalDate::marker):
//   'G' proleptic Gregorian, 'J' proleptic Julian, 'A' Revar Overe.
//   'N' (a leap week notation) and every other marker are not supported and
//   answer "invalid".
// Years use astronomical numbering (year 0 = 1 BC). JDN 0 is 1 January -4712 in
// the Julian calendar; JDN 1721426 is 1 January 1 in the Gregorian calendar.
//
// Revar Overe: year Y starts on the same day as Gregorian year Y and has the same
// length. It has ten months: months 1-5 have 37 days, months 6-9 have 36, and
// month 10 has 36 days, or 37 when Y is a Gregorian leap year.
#pragma once

#include <cstdint>

extern "C" {

// The date record exchanged with the library: six 32-bit fields, 24 bytes.
struct CalDate {
    int32_t year;    // astronomical year
    int32_t month;   // 1..12 (1..10 for Revar Overe)
    int32_t day;     // day of the month
    int32_t marker;  // character code of the calendar marker ('G', 'J', 'A', ...)
    int32_t jdn;     // Julian day number of the date
    int32_t spare;   // never read or written by the library
};

// The value a conversion to a day number answers (and stores) when the date's day
// number does not fit in 32 bits or the marker is not supported. It lies outside
// every accepted day number range, so range checks reject it. Being INT32_MIN, it
// is also the day number of the earliest 32-bit day, so conversions to a day
// number reach INT32_MIN + 1 .. INT32_MAX; conversions from a day number take
// every 32-bit value.
inline constexpr int32_t kRoroviriNoJdn = INT32_MIN;

// Result codes of str_to_date.
inline constexpr int32_t kStrToDateValid = 0;
inline constexpr int32_t kStrToDateInvalid = -1;
inline constexpr int32_t kStrToDateOutOfRange = -5;

// Date order values of str_to_date (the program's DateOrder numbers).
inline constexpr int32_t kOrderMonthDayYear = 0;
inline constexpr int32_t kOrderDayMonthYear = 1;
inline constexpr int32_t kOrderYearMonthDay = 2;

// Size of the output buffer of separate_thousands, its NUL included.
inline constexpr int kSeparateThousandsBufferSize = 20;

// Computes the day number of year/month/day in the calendar of the marker ('G' or
// 'J'), stores it in date->jdn and returns it. A month outside 1..12 or a day
// outside the month is counted on from the year's start or the month's first day
// (month 13 is January of the next year, day 0 the last day of the month before).
// Answers kRoroviriNoJdn when the marker is not 'G' or 'J' or the day number does
// not fit in 32 bits.
int32_t euro_date_to_jdn(CalDate* date);

// Fills year, month and day from date->jdn in the calendar of the marker ('G' or
// 'J'); every 32-bit day number converts. Returns 0, or -1 (record unchanged) for
// an unsupported marker.
int32_t jdn_to_euro_date(CalDate* date);

// Computes the day number of a Revar Overe year/month/day (month and day counted
// on like euro_date_to_jdn: month 11 is month 1 of the next year), stores it in
// date->jdn and returns it; answers kRoroviriNoJdn when it does not fit in 32
// bits. The marker is not read.
int32_t annus_novus_date_to_jdn(CalDate* date);

// Fills year, month (1..10) and day from date->jdn in the Revar Overe calendar and
// sets the marker to 'A'. Returns the day of the week of the date, 0 = Sunday.
int32_t jdn_to_annus_novus_date(CalDate* date);

// Returns the day of the week of a day number: 0 = Sunday .. 6 = Saturday.
int32_t euro_day_of_week(int32_t jdn);

// Reads a date written as three numbers separated by "-", "/" or "." into
// date->year, month, day and marker. A "-" at the start of a part is that part's
// sign ("-45-03-15", "15/03/-45", and "15-03--45" as left when the parentheses of
// "15-03-(-45)" are removed); only the year may be negative. `order` says where
// the year is (kOrder...). `marker` is the calendar: 'G', 'J' or 'A'; the month
// and day must exist in that calendar.
// Returns kStrToDateValid, kStrToDateOutOfRange when the text is a date whose
// year or day number cannot be held in 32 bits, or kStrToDateInvalid. A day that
// exists in no year of the calendar (30 February) is invalid even with a year
// beyond 32 bits; 29 February of such a year is out of range. Digit strings of
// any length are read without overflow. Any other character, an empty part, a
// separator at the end (or a "/" or "." at the start), more or fewer than three
// parts, an unknown order or marker: invalid. Fills year, month, day and marker
// only on success; jdn and spare are never written.
int32_t str_to_date(const char* text, int32_t order, CalDate* date, int32_t marker);

// Writes `digits` (decimal digits with an optional leading "-") into `out` with
// the character `separator` between each group of three digits counted from the
// right: "-1234567" with ',' gives "-1,234,567". `out` holds
// kSeparateThousandsBufferSize characters and always receives a NUL-terminated
// text; an input whose grouped form would not fit is copied unchanged if it fits,
// else `out` receives the empty text. A text that is not of that form, or a
// separator outside 1..255, gets no separators (copied unchanged the same way).
// The input is read up to its NUL or its 20th character, whichever comes first.
void separate_thousands(const char* digits, int32_t separator, char* out);

// Returns the number of days from the earlier to the later date, each given by
// year, month, day and marker (their jdn fields are not read). Sets *error to a
// non-zero value and returns 0 when a date cannot be converted or the difference
// does not fit in 32 bits; otherwise leaves *error unchanged.
int32_t days_elapsed(const CalDate* later, const CalDate* earlier, int32_t* error);

}  // extern "C"
