#include "core/notation.h"

#include "core/calendar_binding.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/iso_week.h"
#include "core/leap_week.h"

namespace tembrel {

namespace {

// The day of a date read from text: its status and day number.
template <class Date>
ParsedDay DayOf(const Parsed<Date>& date) {
    return {date.status, date.value.jdn};
}

}  // namespace

bool FormatJDNInNotation(int32_t jdn, CalendarCode cal, const NotationOptions& options,
                         std::string& text) {
    if (!CanWriteInNotation(jdn, cal)) {
        return false;
    }
    text.clear();
    TextAppender out(text);
    return AppendJDNInNotation(jdn, cal, options, out);
}

bool AppendJDNInNotation(int32_t jdn, CalendarCode cal, const NotationOptions& options,
                         TextAppender& out) {
    if (!CanWriteInNotation(jdn, cal)) {
        return false;
    }
    switch (cal) {
        case CalendarCode::JDN:
            AppendWholeNumber(out, jdn, options.thousSep);
            return true;
        case CalendarCode::ORD: {
            const CalDate date = CalDateOfJDN(jdn, kMarkerGregorian);
            AppendOrdinalDate(out, date, DayOfYear(date), options.hyphen);
            return true;
        }
        case CalendarCode::ISO:
            AppendISOWeekDate(out, ISOWeekDateOf(jdn), options.hyphen);
            return true;
        case CalendarCode::LPW:
            AppendLPWDate(out, LPWDateOf(jdn), false);
            return true;
        case CalendarCode::LPM:
            AppendLPMDate(out, LPMDateOf(jdn), false);
            return true;
        case CalendarCode::CE:
        case CalendarCode::JC:
        case CalendarCode::AN: {
            const CalDate date = CalDateOfJDN(jdn, *CalendarMarkerOf(cal));
            AppendDateText(out, date, options.order, options.dateSep, options.thousSep);
            return true;
        }
        case CalendarCode::NLW:
            return false;
    }
    return false;
}

ParsedDay ParseInNotation(std::string_view text, CalendarCode cal, const NotationOptions& options) {
    switch (cal) {
        case CalendarCode::LPM:
            return DayOf(ParseLPMDate(text));
        case CalendarCode::LPW:
            return DayOf(ParseLPWDate(text));
        case CalendarCode::ORD:
            return DayOf(ParseOrdinalDate(text, options.hyphen));
        case CalendarCode::ISO:
            return DayOf(ParseISOWeekDate(text));
        default:
            return DayOf(ParseDateText(text, options.dateSep, cal, options.order));
    }
}

}  // namespace tembrel
