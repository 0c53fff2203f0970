// The report line: dates with their calendar codes, the difference, the computed
// date with its day of the week, and the notes on the counting options.
#include "compute/calendar_code_suffix.h"
#include "compute/computation.h"
#include "compute/working_days_note.h"
#include "core/calendar_binding.h"
#include "core/notation.h"
#include "core/string_utils.h"
#include "text/calendar_names.h"

namespace tembrel::engine {

void Computation::AppendDateWithCode(DateField field) {
    if (request_.keepFields) {
        out_.Add(FieldText(field));
    } else {
        AppendNormalForm(field, out_);
    }
    AppendCalendarCode(out_, CalendarOf(field));
}

void Computation::DisplayDate(DateField field) {
    const int32_t jdn = Date(field).jdn;
    if (sameCalendarConversion_) {
        AppendDayOfWeek(jdn);
        return;
    }
    out_.Add(" = ");
    // An ordinal date outside years 1..9999 has no text: the field stays as it was.
    const CalendarCode cal = CalendarOf(field);
    if (!CanWriteInNotation(jdn, cal)) {
        MarkDate(field, false);
        ReportOutOfRange();
        return;
    }
    if (request_.keepFields) {
        FormatJDNInNotation(jdn, cal, request_.notation, FieldText(field));
        out_.Add(FieldText(field));
    } else {
        AppendJDNInNotation(jdn, cal, request_.notation, out_);  // writable: checked above
    }
    AppendCalendarCode(out_, cal);
    AppendDayOfWeek(jdn);
    if (dateDiff_ != 0 && request_.verbose && result_.kind == ComputeKind::DateFromDays) {
        AppendVerboseNotes();
    }
}

void Computation::AppendDayOfWeek(int32_t jdn) {
    out_.Add(", ");
    out_.Add(WeekdayName(DayOfWeek(jdn), request_.language));
}

void Computation::AppendVerboseNotes() {
    out_.Add(", ");
    out_.Add(
        Text(request_.includeFirstDate ? TextItem::Including1stDate : TextItem::Excluding1stDate));
    if (!request_.countWeekends) {
        out_.Add(", ");
        AppendWorkingDaysNote(out_, WorkingDays(), request_.language);
    }
}

void Computation::AppendUnitWord(TextItem singular, TextItem plural, int64_t count) {
    // A German noun keeps its capital; every other language writes it in lower case.
    const std::string_view word = Text(count == 1 || count == -1 ? singular : plural);
    if (request_.language == LanguageCode::German) {
        out_.Add(word);
    } else {
        AppendLowerCase(out_, word);
    }
}

void Computation::AppendDayOrDays(int64_t count) {
    AppendUnitWord(TextItem::Day, TextItem::Days, count);
}

void Computation::AppendMonthOrMonths(int64_t count) {
    AppendUnitWord(TextItem::Month, TextItem::Months, count);
}

void Computation::AppendDifferenceLine(DateField given, DifferenceUnit unit) {
    const std::string& diffText = result_.Field(InputField::Difference);
    const bool negative = !diffText.empty() && diffText.front() == '-';
    // Adding to the first date reads "plus", taking from the second "minus"; a
    // negative difference turns the word round and drops its sign.
    const bool adds = (given == DateField::First) != negative;
    AppendDateWithCode(given);
    out_.Add(' ');
    out_.Add(Text(adds ? TextItem::Plus : TextItem::Minus));
    out_.Add(' ');
    out_.Add(negative ? std::string_view(diffText).substr(1) : std::string_view(diffText));
    out_.Add(' ');
    if (unit == DifferenceUnit::Months) {
        AppendMonthOrMonths(result_.months);
    } else {
        AppendDayOrDays(dateDiff_);
    }
}

void Computation::ReportOutOfRange() {
    out_.Add(Text(TextItem::OutOfRange));
    out_.Add(request_.lineEnd);
    Refuse(ComputeMessage::ResultOutOfRange);
}

void Computation::FinishOutputReport() {
    if (request_.oneLine && result_.message == ComputeMessage::ResultOutOfRange) {
        return;  // "Out of Range" ended the line
    }
    out_.Add(request_.lineEnd);
}

}  // namespace tembrel::engine
