// The parsers of date text: one per notation. Every parser returns one of three
// statuses with the date, and never shows a message:
//   Valid       the text is a date; the record holds it, with its JDN
//   Invalid     the text is not a date in that notation
//   OutOfRange  the text has the right shape but the date lies outside the
//               accepted range (kMinJDN..kMaxJDN, or a year beyond kMaxYear)
// No parser accepts a day number outside kMinJDN..kMaxJDN. The record is the
// type's default unless the status is Valid; fields a parser does not name stay
// at their defaults.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendar_codes.h"
#include "core/date_records.h"
#include "core/parse_status.h"

namespace tembrel {

// The form of an ordinal or ISO week date text, as CheckOrdinalText and
// CheckISOWeekText see it.
enum class TextForm : int8_t {
    Neither,     // not a date text of that notation
    Compact,     // 2008061, 2008W011
    Hyphenated,  // 2008-061, 2008-W01-1
};

// Parses a Common Era, Julian, Revar Overe or library leap week date written in
// `order` with the date separator `dateSep` (one character: "-", "/" or "."),
// or a Julian day number for calendar JDN (read by ParseWholeNumber; then only
// the jdn is set). Sets year, month, day, marker and jdn of a calendar date.
// Spaces are ignored; so are every character other than digits, "-" and the
// separator in a calendar date ("2008-03-15 CE"). A negative year stands first in
// year-first order, or after the last separator ("15/03/-45", "15-03-(-45)").
// AN, NLW and ISO read "-" as separator and year-first order for MDY. A year of
// magnitude above kMaxYear is out of range. A separator that is not one
// character answers Invalid.
Parsed<CalDate> ParseDateText(std::string_view text, std::string_view dateSep, CalendarCode cal,
                              DateOrder order);

// Checks an ordinal date text as typed: Compact for yyyyddd, Hyphenated for
// yyyy-ddd, Neither otherwise. Year and day must be digits, the day 1..366 (366
// only in a Gregorian leap year); the year itself is not limited.
TextForm CheckOrdinalText(std::string_view text);

// Parses an ordinal date: yyyy-ddd when `hyphenated`, else yyyyddd
// (spaces are ignored). A day outside 1..366, or 366 outside a leap year, is
// invalid; year 0000 is out of range. Sets year, month, day, marker 'G' and jdn.
Parsed<CalDate> ParseOrdinalDate(std::string_view text, bool hyphenated);

// Checks an ISO week date text as typed: Compact for 2008W011, Hyphenated when a
// "-" stands after the first character (2008-W01-1), Neither otherwise. Only an upper-case "W"
// counts; the year may carry a sign; with the hyphens removed the W must be followed by exactly the
// two digits of the week (01..53) and the digit of the weekday (1..7).
TextForm CheckISOWeekText(std::string_view text);

// Parses an ISO week date in either form of CheckISOWeekText, spaces ignored.
// A year of magnitude kMaxYear or more is out of range; week 53 of a year with
// 52 weeks is invalid.
Parsed<ISOWeekDate> ParseISOWeekDate(std::string_view text);

// Parses a leap week date in month form, year-month-day ("2009-12-35 LPM"):
// every character other than digits and "-" is dropped first, so a trailing code
// and the "," of a grouped year vanish. Year, month and day must each hold at
// least one digit; month and day must fit 16 bits and pass JDNOfLPMDate (month 0
// and day 0 count back as described at LPWFormOf). A year of magnitude above
// kMaxYear is out of range. Sets both forms and the jdn.
Parsed<LeapWeekDate> ParseLPMDate(std::string_view text);

// Parses a leap week date in week form, year-week-weekday ("2008-01-1 LPW"), by
// the rules of ParseLPMDate; week and weekday must pass JDNOfLPWDate (weeks
// beyond the year's last run on into the next year). Sets year, week, weekday
// and jdn.
Parsed<LeapWeekDate> ParseLPWDate(std::string_view text);

}  // namespace tembrel
