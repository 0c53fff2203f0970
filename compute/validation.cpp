// Validation: a field's text read in its calendar (or as a whole number of days)
// and written back in its normal form, or the message that says why not.
#include "compute/computation.h"
#include "core/date_formatting.h"
#include "core/notation.h"
#include "core/whole_number.h"

namespace tembrel::engine {

bool Computation::ValidateDate(DateField field) {
    const CalendarCode cal = CalendarOf(field);
    const bool isFirst = field == DateField::First;
    CalDate& record = Date(field);
    const NotationOptions& notation = request_.notation;
    // The row's reader also leaves in the record the calendar date as read, where
    // the notation has one: the normal form and month arithmetic start from it.
    const ParsedDay parsed = NotationOf(cal).read(Input(field), notation, record);
    if (!parsed.ok()) {
        if (parsed.status == ParseStatus::OutOfRange) {
            Refuse(isFirst ? ComputeMessage::FirstDateOutOfRange
                           : ComputeMessage::SecondDateOutOfRange);
        } else {
            Refuse(isFirst ? ComputeMessage::FirstDateInvalid : ComputeMessage::SecondDateInvalid);
        }
        return false;
    }
    record.jdn = parsed.jdn;
    MarkDate(field);
    if (request_.keepFields) {
        std::string& text = FieldText(field);
        text.clear();
        TextAppender out(text);
        AppendNormalForm(field, out);
    }
    return true;
}

void Computation::AppendNormalForm(DateField field, TextAppender& out) {
    const CalDate& record = Date(field);
    const CalendarCode cal = CalendarOf(field);
    const NotationOptions& notation = request_.notation;
    if (cal == CalendarCode::CE || cal == CalendarCode::JC) {
        // A Common Era or Julian date that was read is the date of its own day
        // number, so the record gives the normal form without converting back.
        AppendDateText(out, record, notation.order, notation.dateSep, notation.thousSep);
    } else if (!AppendJDNInNotation(record.jdn, cal, notation, out)) {
        // Every date read can be written in its own notation; the text as typed
        // stands where it could not.
        out.Add(Input(field));
    }
}

bool Computation::ValidateDateDiff() {
    const ParsedWholeNumber number = ParseWholeNumber(Input(InputField::Difference));
    if (!number.ok()) {
        Refuse(number.status == ParseStatus::OutOfRange ? ComputeMessage::DifferenceOutOfRange
                                                        : ComputeMessage::DifferenceInvalid);
        return false;
    }
    dateDiff_ = number.value;
    result_.days = number.value;
    std::string& text = result_.Field(InputField::Difference);
    text.clear();
    TextAppender out(text);
    AppendWholeNumber(out, number.value, request_.notation.thousSep);
    return true;
}

}  // namespace tembrel::engine
