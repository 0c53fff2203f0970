#include "compute/calendar_code_suffix.h"
#include "compute/computation.h"
#include "compute/compute_messages.h"
#include "compute/field_parsing.h"
#include "compute/form_rules.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/whole_number.h"

namespace tembrel {

bool Computation::ValidateDate(DateField field, std::string& text) {
    const CalendarCode cal = GetCal(form_, field);
    const bool isFirst = field == DateField::First;
    CalDate& record = isFirst ? form_.state.udtFirstDate : form_.state.udtSecondDate;
    const ParsedDate parsed =
        ParseDateField(text, cal, UsersDateFormat(form_), form_.separators.strDateSep,
                       form_.options.intHyphen, record);
    if (parsed.status <= 0) {
        if (parsed.status < 0) {
            ShowComputeMessage(isFirst ? kMsgFirstDateOutOfRange : kMsgSecondDateOutOfRange);
        } else {
            ShowComputeMessage(isFirst ? kMsgFirstDateInvalid : kMsgSecondDateInvalid);
        }
        return false;
    }
    record.jdn = parsed.jdn;
    // The normal form goes into the field, the caller's text and the report's
    // date with its calendar code.
    std::string& normal = form_.DateBox(field).text;
    if (!WriteInCalendar(parsed.jdn, cal, normal)) {
        // Cannot happen: every parsed date can be written in its own notation.
        normal = text;
    }
    text = normal;
    std::string& withCal =
        isFirst ? form_.options.strFirstDateWithCal : form_.options.strSecondDateWithCal;
    withCal = normal;
    AppendCalendarCode(withCal, cal);
    return true;
}

bool Computation::ValidateDateDiff(std::string& text) {
    if (text.empty()) {
        form_.state.lngDateDiff = 0;
        return true;
    }
    const ParsedWholeNumber number = ParseWholeNumber(text);
    if (!number.ok()) {
        ShowComputeMessage(number.status == ParseStatus::OutOfRange ? kMsgDifferenceOutOfRange
                                                                    : kMsgDifferenceInvalid);
        return false;
    }
    const int32_t value = number.value;
    form_.state.lngDateDiff = value;
    text = FormatWholeNumber(value, form_.separators.strThousSep);
    form_.txbDateDiff.text = text;
    return true;
}

}  // namespace tembrel
