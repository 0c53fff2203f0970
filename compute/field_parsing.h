// Reading a date field's text in the field's calendar, as validation does it.
// Shared by validation and by anything that must read a field exactly as the
// Compute command reads it.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendar_codes.h"
#include "core/date_parsing.h"
#include "core/date_records.h"
#include "core/whole_number.h"

namespace tembrel {

struct ParsedDate {
    int status = kParseInvalid;  // or kParseValid, kParseOutOfRange
    int32_t jdn = 0;             // the date's day number when the status is kParseValid
};

// Parses `text` by the parser of `cal`: LPM ParseLPMDate, LPW ParseLPWDate, ORD
// ParseOrdinalDate with the hyphen option, ISO ParseISOWeekDate, JDN
// ParseWholeNumber, every other calendar ParseDateText with the date
// separator and the date order. `record` receives the calendar date where one exists: a Common Era,
// Julian or ordinal date as parsed, and the year, month and day of a leap week month date, which
// month arithmetic works on. Inline: the result then stays in registers, where a call returned it
// through memory, which stalls the processor on every date read.
inline ParsedDate ParseDateField(std::string_view text, CalendarCode cal, DateOrder order,
                                 std::string_view dateSep, bool hyphen, CalDate& record) {
    ParsedDate parsed;
    switch (cal) {
        case CalendarCode::LPM: {
            LeapWeekDate date;
            parsed.status = ParseLPMDate(text, date);
            parsed.jdn = date.jdn;
            if (parsed.status > 0) {
                record.year = date.year;
                record.month = date.month;
                record.day = date.day;
            }
            break;
        }
        case CalendarCode::LPW: {
            LeapWeekDate date;
            parsed.status = ParseLPWDate(text, date);
            parsed.jdn = date.jdn;
            break;
        }
        case CalendarCode::ORD:
            parsed.status = ParseOrdinalDate(text, hyphen, record);
            parsed.jdn = record.jdn;
            break;
        case CalendarCode::ISO: {
            ISOWeekDate date;
            parsed.status = ParseISOWeekDate(text, date);
            parsed.jdn = date.jdn;
            break;
        }
        case CalendarCode::JDN: {
            const ParsedWholeNumber number = ParseWholeNumber(text);
            parsed.status = static_cast<int>(number.status);
            parsed.jdn = number.value;
            break;
        }
        default:
            parsed.status = ParseDateText(text, dateSep, cal, order, record);
            parsed.jdn = record.jdn;
            break;
    }
    return parsed;
}

}  // namespace tembrel
