// The one table of notations: every notation a date can be written in (the
// seven of the main window's date fields, the calendars of the calendar library,
// and each of the world's calendars and day counts) is one row, indexed by its
// CalendarCode, with its names, its reader and writer, the days it can write and
// whether calendar months can be added in it. The engine, the command line, the
// listings of every notation and the windows go through the rows, so adding a
// calendar means adding its code, its code text and a row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/calendar_codes.h"
#include "core/calendar_tables.h"
#include "core/date_records.h"
#include "core/notation_options.h"
#include "core/parse_status.h"
#include "core/text_appender.h"

namespace tembrel {

// The days a notation can write: first..last, empty when first > last.
struct JdnRange {
    int32_t first = kMinJDN;
    int32_t last = kMaxJDN;

    constexpr bool Contains(int64_t jdn) const { return jdn >= first && jdn <= last; }
};

struct NotationRow {
    CalendarCode code;
    // The world's calendars' names; empty for the notations of the calendar
    // library and the main window, whose names are in the text table
    // (text/notation_names.h gives every row's name).
    std::string_view nameEnglish;
    std::string_view nameGerman;  // UTF-8
    // Reads a date text: Valid with the day, Invalid, or OutOfRange for a date
    // whose day lies outside kMinJDN..kMaxJDN or the notation's range. When
    // Valid, `record` holds the date as read where the notation has a calendar
    // date of the calendar library: the Common Era, Julian or Revar Overe date
    // (with its marker), the Gregorian date of an ordinal date, and the year,
    // month and day of a leap week month date as typed (month arithmetic works on
    // them); the other notations leave it alone.
    ParsedDay (*read)(std::string_view text, const NotationOptions& options, CalDate& record);
    // Writes a day in the text form, without the code; false, adding nothing,
    // for a day outside `writable`. The day must lie in kMinJDN..kMaxJDN.
    bool (*append)(int32_t jdn, const NotationOptions& options, TextAppender& out);
    // The days the notation has a text for: the whole range kMinJDN..kMaxJDN but
    // for ordinal dates (years 1..9999), the calendars computed from the Sun and
    // the Moon (their astronomy's years) and the library's leap week notation
    // (none).
    JdnRange writable;
    // Calendar months can be added to its dates (CE, JC, LPM).
    bool monthArithmetic = false;
    // Offered by the command line and shown in the listings of every notation;
    // false for the Revar Overe calendar and the library's leap week notation,
    // which no field selects.
    bool listed = true;

    // Reads a date text, as `read` does, without the record.
    ParsedDay Parse(std::string_view text, const NotationOptions& options) const {
        CalDate record{};
        return read(text, options, record);
    }
};

// The rows in the order of the codes (row i has code i). Constant data,
// initialised before any code runs.
extern const std::array<NotationRow, kCalendarCodeCount> kNotationRows;

// Returns every row, in the order of the codes.
inline std::span<const NotationRow> Notations() {
    return kNotationRows;
}

// Returns the notations a user can choose (the rows marked listed), in the
// order of the table: CE, JC, JDN, ORD, ISO, LPW, LPM, HEB, ..., XLS.
std::vector<CalendarCode> ListedNotations();

// Returns the row of a notation. Inline: the batch mode looks up two rows for
// every line it reads.
inline const NotationRow& NotationOf(CalendarCode cal) {
    return kNotationRows[static_cast<size_t>(cal)];
}

}  // namespace tembrel
