// The table of the world's calendars and day counts, one row each, in this
// order: HEB, ISL, PER, COP, ETH, IND, RJ, EGY, ARM, FRE, BAH, MAY, CHN, MJD, RD,
// LIL, UNX, XLS. Each row reads and writes its text form (calendar_text.h,
// day_count_text.h) over the record conversions of its calendar's header.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/notation.h"
#include "core/parse_status.h"
#include "core/text_appender.h"

namespace tembrel {

struct CalendarForm {
    std::string_view code;         // "HEB"
    std::string_view nameEnglish;  // "Hebrew"
    std::string_view nameGerman;   // "Hebräisch" (UTF-8)
    // Reads the text form: Valid with the day, Invalid, or OutOfRange for a date
    // whose day lies outside kMinJDN..kMaxJDN or the calendar's range.
    ParsedDay (*parse)(std::string_view text, const NotationOptions& options);
    // Writes the day in the text form; false, adding nothing, where the calendar
    // has no date for it (outside an astronomical calendar's range). The day
    // must lie in kMinJDN..kMaxJDN.
    bool (*append)(int32_t jdn, const NotationOptions& options, TextAppender& out);
};

std::span<const CalendarForm> WorldCalendars();

// Returns the row of a code ("HEB"), or null when no row has it.
const CalendarForm* FindWorldCalendar(std::string_view code);

}  // namespace tembrel
