#include "core/notation.h"

#include "core/calendar_binding.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/iso_week.h"
#include "core/leap_week.h"

namespace tembrel {

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
        case CalendarCode::ISO: {
            ISOWeekDate week;
            week.jdn = jdn;
            JDNToISOWeekDate(week);
            AppendISOWeekDate(out, week, options.hyphen);
            return true;
        }
        case CalendarCode::LPW:
        case CalendarCode::LPM: {
            LeapWeekDate leap;
            leap.jdn = jdn;
            JDNToLPM(leap);
            if (cal == CalendarCode::LPW) {
                AppendLPWDate(out, leap, false);
            } else {
                AppendLPMDate(out, leap, false);
            }
            return true;
        }
        case CalendarCode::CE:
        case CalendarCode::JC:
        case CalendarCode::AN: {
            CalDate date{};
            SetCalendarMarker(cal, date);
            date.jdn = jdn;
            JDNToCalDate(date);
            AppendDateText(out, date, options.order, options.dateSep, options.thousSep);
            return true;
        }
        case CalendarCode::NLW:
            return false;
    }
    return false;
}

int ParseInNotation(std::string_view text, CalendarCode cal, const NotationOptions& options,
                    int32_t& jdn) {
    int status = kParseInvalid;
    int32_t parsed = 0;
    switch (cal) {
        case CalendarCode::LPM:
        case CalendarCode::LPW: {
            LeapWeekDate leap;
            status = cal == CalendarCode::LPM ? ParseLPMDate(text, leap) : ParseLPWDate(text, leap);
            parsed = leap.jdn;
            break;
        }
        case CalendarCode::ORD: {
            CalDate date{};
            status = ParseOrdinalDate(text, options.hyphen, date);
            parsed = date.jdn;
            break;
        }
        case CalendarCode::ISO: {
            ISOWeekDate week;
            status = ParseISOWeekDate(text, week);
            parsed = week.jdn;
            break;
        }
        default: {
            CalDate date{};
            status = ParseDateText(text, options.dateSep, cal, options.order, date);
            parsed = date.jdn;
            break;
        }
    }
    if (status == kParseValid) {
        jdn = parsed;
    }
    return status;
}

}  // namespace tembrel
