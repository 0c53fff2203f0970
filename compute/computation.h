// The steps of one computation, behind Compute. One object per call: it holds the
// request, writes the result, and keeps the dates and the difference as the steps
// read and compute them.
//
// Where the first and the second date have twin steps (validating, displaying,
// computing one from the other), one routine takes the field as a parameter.
#pragma once

#include <cstdint>
#include <string_view>

#include "compute/compute_request.h"
#include "compute/compute_result.h"
#include "core/date_records.h"
#include "core/text_appender.h"
#include "holidays/working_day_rules.h"
#include "holidays/working_days.h"
#include "text/text_table.h"

namespace tembrel::engine {

// One of the two date fields.
enum class DateField : uint8_t { First, Second };

class Computation {
  public:
    Computation(const ComputeRequest& request, ComputeResult& result, TextAppender& output);
    Computation(const Computation&) = delete;
    Computation& operator=(const Computation&) = delete;

    // Decides from the filled texts what to compute and computes it.
    void Run();

  private:
    // The dispatchers: a lone date or a difference in days, and a difference in
    // months. Each returns true when the requested result was produced.
    bool ComputeInDays(bool first, bool diff, bool second);
    bool ComputeInMonths(bool first, bool second);

    // Reads a date field in its calendar, or the difference; on success writes
    // the normal form into the field, else sets the message. Returns success.
    bool ValidateDate(DateField field);
    bool ValidateDateDiff();
    // Adds the normal form of a date that was read.
    void AppendNormalForm(DateField field, TextAppender& out);

    // The days between the two dates into the difference; false when out of range.
    bool ComputeDaysBetween();
    // Writes the day count into the difference field and the report.
    void DisplayDateDiff();
    void AppendBreakdown();

    // The other date from a date and the difference in days, or in months;
    // false when out of range.
    bool ComputeDateFrom(DateField given);
    bool AddMonthsTo(DateField given, int32_t months);

    // Writes a computed date into its field and completes the report line.
    void DisplayDate(DateField field);
    // The report of a date and a difference: the date with its code,
    // "plus"/"minus", the number without sign and the unit word.
    void AppendDifferenceLine(DateField given, DifferenceUnit unit);
    void AppendDateWithCode(DateField field);
    void AppendDayOfWeek(int32_t jdn);
    void AppendVerboseNotes();
    // "day" or "days", "month" or "months" for a count, in the request's language.
    void AppendDayOrDays(int64_t count);
    void AppendMonthOrMonths(int64_t count);
    void AppendUnitWord(TextItem singular, TextItem plural, int64_t count);

    // Notes "Out of Range" in the report and sets the message.
    void ReportOutOfRange();
    // Ends the report's line.
    void FinishOutputReport();
    void Refuse(ComputeMessage message);

    std::string_view Text(TextItem item) const;
    // The working days of the request, and how the day counts count.
    const holidays::WorkingDays& WorkingDays() const {
        return request_.workingDays != nullptr ? *request_.workingDays
                                               : holidays::DefaultWorkingDays();
    }
    holidays::CountOptions CountOptions() const {
        return {!request_.countWeekends, request_.includeFirstDate};
    }
    CalendarCode CalendarOf(DateField field) const {
        return field == DateField::First ? request_.firstCalendar : request_.secondCalendar;
    }
    CalDate& Date(DateField field) { return field == DateField::First ? first_ : second_; }
    std::string& FieldText(DateField field) {
        return result_.Field(field == DateField::First ? InputField::FirstDate
                                                       : InputField::SecondDate);
    }
    // The text of a field as given, trimmed: what validation reads.
    std::string_view Input(InputField field) const { return input_[static_cast<size_t>(field)]; }
    std::string_view Input(DateField field) const {
        return Input(field == DateField::First ? InputField::FirstDate : InputField::SecondDate);
    }
    // Notes in the result whether the date of a field is known (read or computed).
    void MarkDate(DateField field, bool known = true);

    const ComputeRequest& request_;
    ComputeResult& result_;
    TextAppender& out_;
    std::string_view input_[3];
    CalDate first_{};
    CalDate second_{};
    // The difference in days: as read, or as counted; 0 when the field is empty.
    int32_t dateDiff_ = 0;
    // A lone date converted into its own calendar: the report gives only its
    // weekday.
    bool sameCalendarConversion_ = false;
};

}  // namespace tembrel::engine
