#include "compute/calendar_code_suffix.h"
#include "compute/computation.h"
#include "compute/compute_messages.h"
#include "compute/form_rules.h"
#include "compute/output_box.h"
#include "core/calendar_binding.h"
#include "core/notation.h"
#include "core/string_utils.h"
#include "text/calendar_names.h"

namespace tembrel {

void Computation::Append(std::string_view text) {
    AppendOutput(form_.txbOutput, text);
}

bool Computation::WriteInCalendar(int32_t jdn, CalendarCode cal, std::string& text) const {
    return FormatJDNInNotation(jdn, cal, CurrentNotation(form_, form_.options.intHyphen), text);
}

void Computation::DisplayDate(DateField field) {
    const CalendarCode cal = GetCal(form_, field);
    const CalDate& date =
        field == DateField::First ? form_.state.udtFirstDate : form_.state.udtSecondDate;
    if (form_.options.blnNoDateDiffandSameCal) {
        AppendDayOfWeek(date);
        SetTheFocus(form_);
        return;
    }
    Append(" = ");
    std::string& withCal = field == DateField::First ? form_.options.strFirstDateWithCal
                                                     : form_.options.strSecondDateWithCal;
    // Written into the field, whose text stays as it was when the date cannot be
    // written (an ordinal date outside years 1..9999).
    std::string& fieldText = form_.DateBox(field).text;
    if (!WriteInCalendar(date.jdn, cal, fieldText)) {
        ReportOutOfRange();
        SetTheFocus(form_);
        return;
    }
    withCal = fieldText;
    AppendCalendarCode(withCal, cal);
    Append(withCal);
    AppendDayOfWeek(date);
    if (form_.state.lngDateDiff != 0 && form_.options.intVerbose == 1 && !form_.optMonths) {
        AppendVerboseNotes();
    }
    SetTheFocus(form_);
}

void Computation::AppendDayOfWeek(const CalDate& date) {
    Append(", ");
    Append(WeekdayName(DayOfWeek(date.jdn), form_.intLanguage));
}

void Computation::AppendVerboseNotes() {
    Append(", ");
    Append(Text(form_.options.intIncludeFirstDate == 1 ? TextItem::Including1stDate
                                                       : TextItem::Excluding1stDate));
    if (form_.options.intIncludeWeekends == 0) {
        Append(", ");
        Append(Text(TextItem::NotCountingWeekendDays));
    }
}

std::string Computation::UnitWord(TextItem singular, TextItem plural, int64_t count) const {
    const std::string_view word = Text(count == 1 || count == -1 ? singular : plural);
    return form_.intLanguage == LanguageCode::German ? std::string(word) : LowerCase(word);
}

std::string Computation::DayOrDays(int32_t lngNumDays) const {
    return UnitWord(TextItem::Day, TextItem::Days, lngNumDays);
}

std::string Computation::MonthOrMonths(int32_t lngNumMonths) const {
    return UnitWord(TextItem::Month, TextItem::Months, lngNumMonths);
}

void Computation::AppendDifferenceLine(DateField given, const std::string& diffText,
                                       const std::string& unitWord) {
    const bool negative = !diffText.empty() && diffText.front() == '-';
    // Adding to the first date reads "plus", taking from the second "minus"; a
    // negative difference turns the word round and drops its sign.
    const bool adds = (given == DateField::First) != negative;
    Append(given == DateField::First ? form_.options.strFirstDateWithCal
                                     : form_.options.strSecondDateWithCal);
    Append(" ");
    Append(Text(adds ? TextItem::Plus : TextItem::Minus));
    Append(" ");
    Append(negative ? std::string_view(diffText).substr(1) : std::string_view(diffText));
    Append(" ");
    Append(unitWord);
}

void Computation::ReportOutOfRange() {
    Append(Text(TextItem::OutOfRange));
    Append(kLineEnd);
    form_.txbOutput.CaretToEnd();
    ShowComputeMessage(kMsgResultOutOfRange);
}

}  // namespace tembrel
