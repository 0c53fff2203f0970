// The formatters of date text: each writes a record that already holds the date
// in its notation. They never fail. The
// Format routines return the text; the Append routines add it to a TextAppender,
// for writers that build a longer text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/calendar_codes.h"
#include "core/date_records.h"
#include "core/text_appender.h"

namespace tembrel {

// Returns a number text (digits with an optional leading "-") with `separator`
// between the groups of three digits counted from the right: "-1234567" with ","
// gives "-1,234,567". An empty separator leaves the text unchanged; only the
// separator's first character is used. Texts of 20 characters or more come back
// empty (the calendar library's buffer); every 32-bit number fits.
std::string InsertThousandsSep(std::string_view digits, std::string_view separator);

// Writes a whole number as a plain signed decimal with the thousands separator
// inserted: 2454000 with "," gives 2,454,000.
std::string FormatWholeNumber(int32_t value, std::string_view thousSep);

// Adds a whole number as FormatWholeNumber writes it.
void AppendWholeNumber(TextAppender& out, int32_t value, std::string_view thousSep);

// Writes a Common Era, Julian or Revar Overe date in `order` with the date
// separator: day and month with two digits, the year without leading zeros. A
// negative year after a separator is put in parentheses (15-03-(-45)); in
// year-first order it leads (-45-03-15). Years beyond ±9999 get the thousands
// separator (12,345-01-01), except when it equals the date separator, which would
// make the text unreadable. Revar Overe dates (marker 'A') always use "-", are
// written year first for MDY, and are never grouped.
std::string FormatDateText(const CalDate& date, DateOrder order, std::string_view dateSep,
                           std::string_view thousSep);

// Adds a date as FormatDateText writes it.
void AppendDateText(TextAppender& out, const CalDate& date, DateOrder order,
                    std::string_view dateSep, std::string_view thousSep);

// Writes an ordinal date: the year with at least four digits (-0045), "-"
// with `hyphen`, and the day of the year with three digits: 2008-061, 2008061.
std::string FormatOrdinalDate(const CalDate& date, int16_t dayOfYear, bool hyphen);

// Adds an ordinal date as FormatOrdinalDate writes it.
void AppendOrdinalDate(TextAppender& out, const CalDate& date, int16_t dayOfYear, bool hyphen);

// Writes an ISO week date: the year, then with `hyphen` "-W", two week digits,
// "-" and the weekday (2009-W53-5); otherwise 2009W535.
std::string FormatISOWeekDate(const ISOWeekDate& date, bool hyphen);

// Adds an ISO week date as FormatISOWeekDate writes it.
void AppendISOWeekDate(TextAppender& out, const ISOWeekDate& date, bool hyphen);

// Writes a leap week date in week form: year-ww-d, with " LPW" when `withCode` is
// set (2008-01-1 LPW). Years of five or more digits are grouped with "," and keep
// a leading minus (-12,345-01-1).
std::string FormatLPWDate(const LeapWeekDate& date, bool withCode);

// Writes a leap week date in month form: year-mm-dd, with " LPM" when `withCode`
// is set (2009-12-35 LPM); the year as in FormatLPWDate.
std::string FormatLPMDate(const LeapWeekDate& date, bool withCode);

// Add a leap week date as FormatLPWDate and FormatLPMDate write it.
void AppendLPWDate(TextAppender& out, const LeapWeekDate& date, bool withCode);
void AppendLPMDate(TextAppender& out, const LeapWeekDate& date, bool withCode);

}  // namespace tembrel
