// The notation rules: how a day number is written in each calendar of a date
// field, and which parser reads a field's text back. Validation, result display,
// calendar switching, Second -> First, the spinners and the today labels all go
// through these two functions, so that every place writes and reads a calendar
// the same way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/calendar_codes.h"
#include "core/calendar_tables.h"
#include "core/parse_status.h"
#include "core/text_appender.h"

namespace tembrel {

// The format options that decide how a date is written and read.
struct NotationOptions {
    DateOrder order = DateOrder::YMD;        // CE and JC dates
    std::string dateSep{kDefaultDateSep};    // CE and JC dates: "-", "/" or "."
    std::string thousSep{kDefaultThousSep};  // day numbers and long years: ",", "." or ""
    bool hyphen = true;                      // ORD and ISO: 2008-061 and 2008-W01-1, else 2008061
};

// Writes `jdn` in the notation of `cal` into `text`:
//   JDN       the number with the thousands separator (2,454,000)
//   ORD       yyyy-ddd or yyyyddd by the hyphen option
//   ISO       2008-W01-1 or 2008W011 by the hyphen option
//   LPW, LPM  without the calendar code
//   CE, JC, AN  in the date order with the date and thousands separators
// Returns false, leaving `text` alone, for ORD outside years 1..9999
// (kFirstJDNOfCE1..kLastJDNOfCE9999) and for NLW, which the calendar library
// cannot write. Appends no calendar code. `jdn` must lie in kMinJDN..kMaxJDN.
bool FormatJDNInNotation(int32_t jdn, CalendarCode cal, const NotationOptions& options,
                         std::string& text);

// Returns true when FormatJDNInNotation can write `jdn` in the notation of `cal`:
// for every notation but ORD outside years 1..9999 and NLW.
constexpr bool CanWriteInNotation(int32_t jdn, CalendarCode cal) {
    switch (cal) {
        case CalendarCode::ORD:
            return HasOrdinalForm(jdn);
        case CalendarCode::CE:
        case CalendarCode::JC:
        case CalendarCode::JDN:
        case CalendarCode::AN:
        case CalendarCode::ISO:
        case CalendarCode::LPW:
        case CalendarCode::LPM:
            return true;
        case CalendarCode::NLW:
            return false;
    }
    return false;
}

// Adds `jdn` in the notation of `cal` as FormatJDNInNotation writes it; returns
// false, adding nothing, where FormatJDNInNotation returns false.
bool AppendJDNInNotation(int32_t jdn, CalendarCode cal, const NotationOptions& options,
                         TextAppender& out);

// Reads a field's text in the notation of `cal` with that notation's parser:
// LPM ParseLPMDate, LPW ParseLPWDate, ORD ParseOrdinalDate with the hyphen
// option, ISO ParseISOWeekDate, every other calendar ParseDateText with the date
// separator and order. Returns the parser's status with the day number.
ParsedDay ParseInNotation(std::string_view text, CalendarCode cal, const NotationOptions& options);

}  // namespace tembrel
