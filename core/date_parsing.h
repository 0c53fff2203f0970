// The parsers of date text: one per notation. Every parser answers one of three
// statuses and never shows a message:
//   kParseValid (1)       the text is a date; the record holds it, with its JDN
//   kParseInvalid (0)     the text is not a date in that notation
//   kParseOutOfRange (-1) the text has the right shape but the date lies outside
//                         the accepted range (kMinJDN..kMaxJDN, or a year
//                         beyond kMaxYear)
// No parser accepts a day number outside kMinJDN..kMaxJDN. Unless said
// otherwise, the output record is written only when the status is kParseValid,
// and no parser reads what the record held before.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendar_codes.h"
#include "core/date_records.h"

namespace tembrel {

inline constexpr int kParseValid = 1;
inline constexpr int kParseInvalid = 0;
inline constexpr int kParseOutOfRange = -1;

// Forms answered by the text checks CheckOrdinalText and CheckISOWeekText.
inline constexpr int kCompactForm = 1;      // 2008061, 2008W011
inline constexpr int kHyphenatedForm = -1;  // 2008-061, 2008-W01-1
inline constexpr int kNeitherForm = 0;

// Parses a Common Era, Julian, Revar Overe or library leap week date written in
// `order` with the date separator `dateSep` (one character: "-", "/" or "."),
// or a Julian day number for calendar JDN (read by ParseWholeNumber; then only
// date.jdn is written).
// Spaces are ignored; so are every character other than digits, "-" and the
// separator in a calendar date ("2008-03-15 CE"). A negative year stands first in
// year-first order, or after the last separator ("15/03/-45", "15-03-(-45)").
// AN, NLW and ISO read "-" as separator and year-first order for MDY. A year of
// magnitude above kMaxYear is out of range. A separator that is not one
// character answers kParseInvalid.
int ParseDateText(std::string_view text, std::string_view dateSep, CalendarCode cal,
                  DateOrder order, CalDate& date);

// Checks an ordinal date text as typed: kCompactForm for yyyyddd, kHyphenatedForm
// for yyyy-ddd, kNeitherForm otherwise. Year and day must be digits, the day
// 1..366 (366 only in a Gregorian leap year); the year itself is not limited.
int CheckOrdinalText(std::string_view text);

// Parses an ordinal date: yyyy-ddd when `hyphenated`, else yyyyddd
// (spaces are ignored). A day outside 1..366, or 366 outside a leap year, is
// invalid; year 0000 is out of range. Fills year, month, day, marker 'G' and jdn.
int ParseOrdinalDate(std::string_view text, bool hyphenated, CalDate& date);

// Checks an ISO week date text as typed: kCompactForm for 2008W011,
// kHyphenatedForm when a "-" stands after the first character (2008-W01-1),
// kNeitherForm otherwise. Only an upper-case "W" counts; the year may carry a
// sign; with the hyphens removed the W must be followed by exactly the two
// digits of the week (01..53) and the digit of the weekday (1..7).
int CheckISOWeekText(std::string_view text);

// Parses an ISO week date in either form of CheckISOWeekText, spaces ignored.
// Clears the record first. A year of magnitude kMaxYear or more is out of
// range; week 53 of a year with 52 weeks is invalid.
int ParseISOWeekDate(std::string_view text, ISOWeekDate& date);

// Parses a leap week date in month form, year-month-day ("2009-12-35 LPM"):
// every character other than digits and "-" is dropped first, so a trailing code
// and the "," of a grouped year vanish. Year, month and day must each hold at
// least one digit; month and day must fit 16 bits and pass LPMToJDN (month 0 and
// day 0 count back as described there). A year of magnitude above kMaxYear is
// out of range.
int ParseLPMDate(std::string_view text, LeapWeekDate& date);

// Parses a leap week date in week form, year-week-weekday ("2008-01-1 LPW"), by
// the rules of ParseLPMDate; week and weekday must pass LPWToJDN (weeks beyond the
// year's last run on into the next year).
int ParseLPWDate(std::string_view text, LeapWeekDate& date);

}  // namespace tembrel
