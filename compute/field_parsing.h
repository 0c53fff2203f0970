// Reading a date field's text in the field's calendar, as validation does it.
// Shared by validation and by anything that must read a field exactly as the
// Compute command reads it.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendar_codes.h"
#include "core/date_parsing.h"
#include "core/date_records.h"
#include "core/parse_status.h"
#include "core/whole_number.h"

namespace tembrel {

// Parses `text` by the parser of `cal`: LPM ParseLPMDate, LPW ParseLPWDate, ORD
// ParseOrdinalDate with the hyphen option, ISO ParseISOWeekDate, JDN
// ParseWholeNumber, every other calendar ParseDateText with the date separator
// and the date order. The record always holds the day number, and the calendar
// date where one exists: a Common Era, Julian or ordinal date as parsed, and the
// year, month and day of a leap week month date, which month arithmetic works on.
// Inline, so that the parse path stays one piece with validation.
inline Parsed<CalDate> ParseDateField(std::string_view text, CalendarCode cal, DateOrder order,
                                      std::string_view dateSep, bool hyphen) {
    Parsed<CalDate> parsed;
    switch (cal) {
        case CalendarCode::LPM: {
            const Parsed<LeapWeekDate> date = ParseLPMDate(text);
            parsed.status = date.status;
            parsed.value.year = date.value.year;
            parsed.value.month = date.value.month;
            parsed.value.day = date.value.day;
            parsed.value.jdn = date.value.jdn;
            break;
        }
        case CalendarCode::LPW: {
            const Parsed<LeapWeekDate> date = ParseLPWDate(text);
            parsed.status = date.status;
            parsed.value.jdn = date.value.jdn;
            break;
        }
        case CalendarCode::ORD:
            parsed = ParseOrdinalDate(text, hyphen);
            break;
        case CalendarCode::ISO: {
            const Parsed<ISOWeekDate> date = ParseISOWeekDate(text);
            parsed.status = date.status;
            parsed.value.jdn = date.value.jdn;
            break;
        }
        case CalendarCode::JDN: {
            const Parsed<int32_t> number = ParseWholeNumber(text);
            parsed.status = number.status;
            parsed.value.jdn = number.value;
            break;
        }
        default:
            parsed = ParseDateText(text, dateSep, cal, order);
            break;
    }
    return parsed;
}

}  // namespace tembrel
