#include "cli/computation_record.h"

#include "compute/compute_messages.h"
#include "core/calendar_binding.h"
#include "core/notation.h"
#include "text/calendar_names.h"

namespace tembrel::cli {

namespace {

// Returns the date of a day number in a calendar, or nothing where the calendar
// cannot write it (an ordinal date outside the years 1..9999).
std::optional<DateRecord> DateOf(int32_t jdn, CalendarCode calendar,
                                 const ComputeRequest& request) {
    DateRecord date;
    if (!FormatJDNInNotation(jdn, calendar, request.notation, date.text)) {
        return std::nullopt;
    }
    date.calendar = calendar;
    date.jdn = jdn;
    const int dayOfWeek = DayOfWeek(jdn);  // 0 Sunday .. 6 Saturday
    date.weekday = WeekdayName(dayOfWeek, request.language);
    date.isoWeekday = dayOfWeek == 0 ? 7 : dayOfWeek;
    return date;
}

}  // namespace

ComputationRecord RecordOf(const ComputeRequest& request, const ComputeResult& result,
                           std::string_view report, const ProgramTexts& texts) {
    ComputationRecord record;
    record.firstInput = request.firstDate;
    record.differenceInput = request.difference;
    record.secondInput = request.secondDate;
    record.kind = result.kind;
    if (result.hasFirstDate) {
        record.first = DateOf(result.firstJDN, request.firstCalendar, request);
    }
    if (result.hasSecondDate) {
        record.second = DateOf(result.secondJDN, request.secondCalendar, request);
    }
    // A date plus days knows its difference once the kind is set; a count
    // between two dates only once it fitted.
    if (result.kind == ComputeKind::DateFromDays ||
        (result.kind == ComputeKind::DaysBetween && result.message == ComputeMessage::None)) {
        record.days = result.days;
    } else if (result.kind == ComputeKind::DateFromMonths) {
        record.months = result.months;
    }
    if (record.days || record.months) {
        record.difference = result.Field(InputField::Difference);
    }
    if (result.breakdown.shown) {
        record.breakdown = result.breakdown;
    }
    while (!report.empty() && (report.back() == '\n' || report.back() == '\r')) {
        report.remove_suffix(1);
    }
    record.report = report;
    if (result.message != ComputeMessage::None) {
        record.message = MessageRecord{MessageCode(result.message),
                                       MessageText(result.message, request.language, texts, "\n")};
    }
    return record;
}

std::string_view KindName(ComputeKind kind) {
    switch (kind) {
        case ComputeKind::None:
            return "none";
        case ComputeKind::Conversion:
            return "conversion";
        case ComputeKind::DaysBetween:
            return "days_between";
        case ComputeKind::DateFromDays:
            return "date_from_days";
        case ComputeKind::DateFromMonths:
            return "date_from_months";
    }
    return "none";
}

std::string_view MessageCode(ComputeMessage message) {
    switch (message) {
        case ComputeMessage::None:
            return "";
        case ComputeMessage::DifferenceMustBeEmpty:
            return "difference_must_be_empty";
        case ComputeMessage::FirstDateInvalid:
            return "first_date_invalid";
        case ComputeMessage::FirstDateOutOfRange:
            return "first_date_out_of_range";
        case ComputeMessage::DifferenceInvalid:
            return "difference_invalid";
        case ComputeMessage::DifferenceOutOfRange:
            return "difference_out_of_range";
        case ComputeMessage::SecondDateInvalid:
            return "second_date_invalid";
        case ComputeMessage::SecondDateOutOfRange:
            return "second_date_out_of_range";
        case ComputeMessage::ResultOutOfRange:
            return "result_out_of_range";
        case ComputeMessage::MonthsNeedOneDate:
            return "months_need_one_date";
        case ComputeMessage::MonthsCalendarsDiffer:
            return "months_calendars_differ";
        case ComputeMessage::MonthsCalendarWithoutMonths:
            return "months_calendar_without_months";
    }
    return "";
}

}  // namespace tembrel::cli
