// Compute and its two dispatchers: which fields are filled decides what is
// computed; a difference in days and a lone date go one way, a difference in
// months the other.
#include "compute/computation.h"
#include "compute/compute.h"
#include "compute/month_arithmetic.h"
#include "core/calendar_tables.h"
#include "core/date_formatting.h"
#include "core/notation.h"
#include "core/string_utils.h"
#include "core/whole_number.h"

namespace tembrel {

void Compute(const ComputeRequest& request, ComputeResult& result) {
    result.Clear();
    TextAppender output(result.output);
    engine::Computation(request, result, output).Run();
}

void Compute(const ComputeRequest& request, ComputeResult& result, TextAppender& output) {
    result.Clear();
    engine::Computation(request, result, output).Run();
}

namespace engine {

Computation::Computation(const ComputeRequest& request, ComputeResult& result, TextAppender& output)
    : request_(request), result_(result), out_(output) {}

std::string_view Computation::Text(TextItem item) const {
    return T(item, request_.language);
}

void Computation::MarkDate(DateField field, bool known) {
    const int32_t jdn = Date(field).jdn;
    if (field == DateField::First) {
        result_.hasFirstDate = known;
        result_.firstJDN = known ? jdn : 0;
    } else {
        result_.hasSecondDate = known;
        result_.secondJDN = known ? jdn : 0;
    }
}

void Computation::Refuse(ComputeMessage message) {
    result_.message = message;
}

void Computation::Run() {
    input_[0] = TrimSpaces(request_.firstDate);
    input_[1] = TrimSpaces(request_.difference);
    input_[2] = TrimSpaces(request_.secondDate);
    if (request_.keepFields) {
        for (size_t i = 0; i < 3; ++i) {
            result_.fields[i].assign(input_[i]);
        }
    }
    bool first = !input_[0].empty();
    const bool diff = !input_[1].empty();
    const bool second = !input_[2].empty();
    if (!first && !diff && !second) {
        // Today is the first date, written as if the user had typed it. A
        // calendar without a date for today (a given today beyond the years of
        // the Chinese calendar) says so, as if it had been typed.
        if (!IsJDNInRange(request_.today) ||
            !FormatJDNInNotation(request_.today, request_.firstCalendar, request_.notation,
                                 FieldText(DateField::First))) {
            Refuse(ComputeMessage::FirstDateOutOfRange);
            return;
        }
        input_[0] = FieldText(DateField::First);
        first = true;
    } else if (diff && !first && !second) {
        return;  // a difference alone computes nothing
    } else if (first && diff && second) {
        Refuse(ComputeMessage::DifferenceMustBeEmpty);
        return;
    }
    sameCalendarConversion_ =
        !diff && first != second && request_.firstCalendar == request_.secondCalendar;
    const bool loneDate = !diff && first != second;
    if (request_.unit == DifferenceUnit::Days || loneDate) {
        ComputeInDays(first, diff, second);
    } else {
        ComputeInMonths(first, second);
    }
}

bool Computation::ComputeInDays(bool first, bool diff, bool second) {
    if (second && !ValidateDate(DateField::Second)) {
        return false;
    }
    if (diff && !ValidateDateDiff()) {
        return false;
    }
    if (first && !ValidateDate(DateField::First)) {
        return false;
    }
    bool result = false;
    if (first && second) {
        result_.kind = ComputeKind::DaysBetween;
        result = ComputeDaysBetween();
        if (result) {
            DisplayDateDiff();
        }
    } else {
        const DateField given = first ? DateField::First : DateField::Second;
        result_.kind = diff ? ComputeKind::DateFromDays : ComputeKind::Conversion;
        result = ComputeDateFrom(given);
        if (result) {
            if (diff) {
                AppendDifferenceLine(given, DifferenceUnit::Days);
            } else {
                AppendDateWithCode(given);
            }
            DisplayDate(given == DateField::First ? DateField::Second : DateField::First);
        }
    }
    FinishOutputReport();
    return result;
}

bool Computation::ComputeInMonths(bool first, bool second) {
    if (first && second) {
        // A difference between two dates is only counted in days: the unit
        // switches, so that the next Compute counts it.
        Refuse(ComputeMessage::MonthsNeedOneDate);
        result_.switchToDays = true;
        return false;
    }
    const CalendarCode cal = request_.firstCalendar;
    if (cal != request_.secondCalendar) {
        Refuse(ComputeMessage::MonthsCalendarsDiffer);
        return false;
    }
    if (!NotationOf(cal).monthArithmetic) {
        Refuse(ComputeMessage::MonthsCalendarWithoutMonths);
        return false;
    }
    const ParsedWholeNumber number = ParseWholeNumber(Input(InputField::Difference));
    if (!number.ok()) {
        Refuse(number.status == ParseStatus::OutOfRange ? ComputeMessage::DifferenceOutOfRange
                                                        : ComputeMessage::DifferenceInvalid);
        return false;
    }
    const int32_t months = number.value;
    result_.months = months;
    result_.Field(InputField::Difference) = FormatWholeNumber(months, request_.notation.thousSep);
    const DateField given = first ? DateField::First : DateField::Second;
    if (!ValidateDate(given)) {
        return false;
    }
    result_.kind = ComputeKind::DateFromMonths;
    // A month count of ±2,100,000,000 negates without overflow.
    const bool result = AddMonthsTo(given, given == DateField::First ? months : -months);
    if (result) {
        AppendDifferenceLine(given, DifferenceUnit::Months);
        DisplayDate(given == DateField::First ? DateField::Second : DateField::First);
    }
    FinishOutputReport();
    return result;
}

bool Computation::AddMonthsTo(DateField given, int32_t months) {
    const DateField other = given == DateField::First ? DateField::Second : DateField::First;
    if (!AddMonths(Date(given), months, Date(other), request_.firstCalendar == CalendarCode::LPM)) {
        ReportOutOfRange();
        return false;
    }
    MarkDate(other);
    return true;
}

}  // namespace engine

}  // namespace tembrel
