// The notation rules: how a day number is written in the notation of a date, and
// which reader reads a text of that notation back. Validation, result display,
// calendar switching, Second -> First, the spinners, the today labels and the
// listings of every notation all go through these functions, which look the
// notation up in the one table of notations (notation_table.h), so that every
// place writes and reads a calendar the same way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/calendar_codes.h"
#include "core/notation_options.h"
#include "core/notation_table.h"
#include "core/parse_status.h"
#include "core/text_appender.h"

namespace tembrel {

// Returns true when `jdn` has a text in the notation of `cal`: every day of
// kMinJDN..kMaxJDN but for ordinal dates outside years 1..9999
// (kFirstJDNOfCE1..kLastJDNOfCE9999), days beyond the years of the calendars
// computed from the Sun and the Moon (CHN, BAH), and NLW, which the calendar
// library cannot write.
inline bool CanWriteInNotation(int32_t jdn, CalendarCode cal) {
    return NotationOf(cal).writable.Contains(jdn);
}

// Writes `jdn` in the notation of `cal` into `text`, for example:
//   JDN       the number with the thousands separator (2,454,000)
//   ORD       yyyy-ddd or yyyyddd by the hyphen option
//   ISO       2008-W01-1 or 2008W011 by the hyphen option
//   LPW, LPM  without the calendar code
//   CE, JC, AN and the world's calendars of years, months and days
//             in the date order with the date and thousands separators
// Returns false, leaving `text` alone, where CanWriteInNotation is false.
// Appends no calendar code. `jdn` must lie in kMinJDN..kMaxJDN.
bool FormatJDNInNotation(int32_t jdn, CalendarCode cal, const NotationOptions& options,
                         std::string& text);

// Adds `jdn` in the notation of `cal` as FormatJDNInNotation writes it; returns
// false, adding nothing, where FormatJDNInNotation returns false.
inline bool AppendJDNInNotation(int32_t jdn, CalendarCode cal, const NotationOptions& options,
                                TextAppender& out) {
    return NotationOf(cal).append(jdn, options, out);  // each row refuses the days it lacks
}

// Reads a text in the notation of `cal` with that notation's reader: LPM
// ParseLPMDate, LPW ParseLPWDate, ORD ParseOrdinalDate with the hyphen option,
// ISO ParseISOWeekDate, JDN ParseWholeNumber, CE, JC, AN and NLW ParseDateText
// with the date separator and order, the world's calendars their own readers.
// Returns Valid with the day, Invalid or OutOfRange.
ParsedDay ParseInNotation(std::string_view text, CalendarCode cal, const NotationOptions& options);

}  // namespace tembrel
