// Validation: a field's text read in its calendar (or as a whole number of days)
// and written back in its normal form, or the message that says why not.
#include "compute/computation.h"
#include "compute/field_parsing.h"
#include "core/date_formatting.h"
#include "core/notation.h"
#include "core/whole_number.h"

namespace tembrel::engine {

bool Computation::ValidateDate(DateField field) {
    const CalendarCode cal = CalendarOf(field);
    const bool isFirst = field == DateField::First;
    std::string& text = FieldText(field);
    CalDate& record = Date(field);
    const NotationOptions& notation = request_.notation;
    const ParsedDate parsed =
        ParseDateField(text, cal, notation.order, notation.dateSep, notation.hyphen, record);
    if (parsed.status != kParseValid) {
        if (parsed.status == kParseOutOfRange) {
            Refuse(isFirst ? ComputeMessage::FirstDateOutOfRange
                           : ComputeMessage::SecondDateOutOfRange);
        } else {
            Refuse(isFirst ? ComputeMessage::FirstDateInvalid : ComputeMessage::SecondDateInvalid);
        }
        return false;
    }
    record.jdn = parsed.jdn;
    // Every date read can be written in its own notation; the text stays as typed
    // where it could not.
    FormatJDNInNotation(parsed.jdn, cal, notation, text);
    MarkDate(field);
    return true;
}

bool Computation::ValidateDateDiff() {
    std::string& text = result_.Field(InputField::Difference);
    const ParsedWholeNumber number = ParseWholeNumber(text);
    if (!number.ok()) {
        Refuse(number.status == ParseStatus::OutOfRange ? ComputeMessage::DifferenceOutOfRange
                                                        : ComputeMessage::DifferenceInvalid);
        return false;
    }
    dateDiff_ = number.value;
    result_.days = number.value;
    text.clear();
    TextAppender out(text);
    AppendWholeNumber(out, number.value, request_.notation.thousSep);
    return true;
}

}  // namespace tembrel::engine
