#include "compute/computation.h"
#include "compute/compute_messages.h"
#include "compute/form_rules.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"

namespace tembrel {

namespace {

struct ParsedDate {
    int status = kParseInvalid;
    int32_t jdn = 0;
};

// Parses a field's text by the parser of its calendar. The record receives the
// calendar date where one exists: a Common Era, Julian or ordinal date as parsed,
// and the year, month and day of a leap week month date, which month arithmetic
// works on.
ParsedDate ParseField(std::string_view text, CalendarCode cal, const MainFormState& form,
                      CalDate& record) {
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
            parsed.status = ParseOrdinalDate(text, form.options.intHyphen, record);
            parsed.jdn = record.jdn;
            break;
        case CalendarCode::ISO: {
            ISOWeekDate date;
            parsed.status = ParseISOWeekDate(text, date);
            parsed.jdn = date.jdn;
            break;
        }
        case CalendarCode::JDN:
            parsed.status = ParseSignedJDN(text, parsed.jdn);
            break;
        default:
            parsed.status =
                ParseDateText(text, form.separators.strDateSep, cal, UsersDateFormat(form), record);
            parsed.jdn = record.jdn;
            break;
    }
    return parsed;
}

}  // namespace

bool Computation::ValidateDate(DateField field, std::string& text) {
    const CalendarCode cal = GetCal(form_, field);
    const bool isFirst = field == DateField::First;
    CalDate& record = isFirst ? form_.state.udtFirstDate : form_.state.udtSecondDate;
    const ParsedDate parsed = ParseField(text, cal, form_, record);
    if (parsed.status <= 0) {
        if (parsed.status < 0) {
            ShowComputeMessage(isFirst ? kMsgFirstDateOutOfRange : kMsgSecondDateOutOfRange);
        } else {
            ShowComputeMessage(isFirst ? kMsgFirstDateInvalid : kMsgSecondDateInvalid);
        }
        return false;
    }
    record.jdn = parsed.jdn;
    std::string normal;
    if (!WriteInCalendar(parsed.jdn, cal, normal)) {
        // Cannot happen: every parsed date can be written in its own notation.
        normal = text;
    }
    text = normal;
    form_.DateBox(field).text = normal;
    (isFirst ? form_.options.strFirstDateWithCal : form_.options.strSecondDateWithCal) =
        WithCode(normal, cal);
    return true;
}

bool Computation::ValidateDateDiff(std::string& text) {
    if (text.empty()) {
        form_.state.lngDateDiff = 0;
        return true;
    }
    int status = kParseInvalid;
    const int32_t value = ParseJDNText(text, status);
    if (status <= 0) {
        ShowComputeMessage(status < 0 ? kMsgDifferenceOutOfRange : kMsgDifferenceInvalid);
        return false;
    }
    form_.state.lngDateDiff = value;
    text = FormatWholeNumber(value, form_.separators.strThousSep);
    form_.txbDateDiff.text = text;
    return true;
}

}  // namespace tembrel
