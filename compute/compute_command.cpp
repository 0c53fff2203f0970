#include <string>

#include "compute/computation.h"
#include "compute/compute_messages.h"
#include "compute/form_rules.h"
#include "compute/month_arithmetic.h"
#include "compute/output_box.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/string_utils.h"
#include "core/whole_number.h"
#include "text/program_text_numbers.h"

namespace tembrel {

Computation::Computation(MainFormState& form, UserDialogs& dialogs,
                         const ProgramTexts& programTexts, ClearOneFieldDialog& clearDialog)
    : form_(form), dialogs_(dialogs), programTexts_(programTexts), clearDialog_(clearDialog) {}

std::string_view Computation::Text(TextItem item) const {
    return T(item, form_.intLanguage);
}

std::string Computation::ErrorTitle() const {
    return std::string(Text(TextItem::Error)) + "!";
}

void Computation::ShowComputeMessage(int number) {
    dialogs_.ShowMessage(ComputeMsg(number, form_.intLanguage), ErrorTitle(), MessageIcon::None);
}

void Computation::ShowProgramTextMessage(std::initializer_list<int32_t> numbers) {
    std::string prompt;
    bool firstLine = true;
    for (const int32_t number : numbers) {
        if (!firstLine) {
            prompt += kLineEnd;
        }
        firstLine = false;
        prompt += programTexts_.ProgramText(number);
    }
    dialogs_.ShowMessage(prompt, Text(TextItem::Compute), MessageIcon::None);
}

void Computation::cmdCompute_Click() {
    for (TextBoxState* box : {&form_.txbFirstDate, &form_.txbDateDiff, &form_.txbSecondDate}) {
        TrimSpacesInPlace(box->text);
    }
    const bool first = !form_.txbFirstDate.text.empty();
    const bool diff = !form_.txbDateDiff.text.empty();
    const bool second = !form_.txbSecondDate.text.empty();
    if (!first && !diff && !second) {
        cmdToday_Click(0);
    } else if (diff && !first && !second) {
        SetTheFocus(form_);
        return;
    } else if (first && diff && second) {
        if (!ClearOneField()) {
            SetTheFocus(form_);
            return;
        }
    }
    ReadOptions();
    SetNoDateDiffAndSameCal();
    const bool onlyFirst = form_.txbSecondDate.text.empty() && form_.txbDateDiff.text.empty();
    const bool onlySecond = form_.txbFirstDate.text.empty() && form_.txbDateDiff.text.empty();
    if (!form_.optMonths || onlyFirst || onlySecond) {
        ComputeInDays(form_.txbFirstDate.text, form_.txbDateDiff.text, form_.txbSecondDate.text);
    } else {
        ComputeInMonths(form_.txbFirstDate.text, form_.txbDateDiff.text, form_.txbSecondDate.text);
    }
    SetTheFocus(form_);
}

bool Computation::ClearOneField() {
    clearDialog_.Form_Activate();
    dialogs_.ShowClearOneTextBox(clearDialog_);
    switch (clearDialog_.choice) {
        case ClearChoice::FirstDate:
            form_.txbFirstDate.text.clear();
            return true;
        case ClearChoice::DateDiff:
            form_.txbDateDiff.text.clear();
            return true;
        case ClearChoice::SecondDate:
            form_.txbSecondDate.text.clear();
            return true;
        case ClearChoice::Cancel:
            break;
    }
    return false;
}

void Computation::ReadOptions() {
    OptionSnapshot& options = form_.options;
    options.blnDateFormatIsYMD = form_.dateOrder == DateOrder::YMD;
    options.blnDateFormatIsDMY = form_.dateOrder == DateOrder::DMY;
    options.blnDateFormatIsMDY = form_.dateOrder == DateOrder::MDY;
    options.intFirstCal = GetCal(form_, DateField::First);
    options.intSecondCal = GetCal(form_, DateField::Second);
    options.intIncludeFirstDate = form_.chkIncludeFirstDate;
    options.intIncludeWeekends = form_.chkIncludeWeekends;
    options.intVerbose = form_.chkVerbose;
    options.intHyphen = form_.chkHyphen;
}

void Computation::SetNoDateDiffAndSameCal() {
    const bool first = !form_.txbFirstDate.text.empty();
    const bool second = !form_.txbSecondDate.text.empty();
    form_.options.blnNoDateDiffandSameCal =
        form_.txbDateDiff.text.empty() && first != second &&
        GetCal(form_, DateField::First) == GetCal(form_, DateField::Second);
}

bool Computation::ComputeInDays(std::string first, std::string diff, std::string second) {
    const bool s = !second.empty();
    const bool d = !diff.empty();
    const bool f = !first.empty();
    ComputationState& state = form_.state;
    if (s && !ValidateSecondDate(second)) {
        return false;
    }
    if (!d) {
        state.lngDateDiff = 0;
    } else if (!ValidateDateDiff(diff)) {
        return false;
    }
    // With all three fields (which the command never passes) or only the
    // difference there is nothing to compute.
    const bool computes = (s || f) && !(s && d && f);
    if (computes && f && !ValidateFirstDate(first)) {
        return false;
    }
    bool result = true;
    if (!computes) {
        // nothing more
    } else if (s && f) {
        result = ComputeDaysBetween();
        if (result) {
            DisplayDateDiff();
        }
    } else {
        const DateField given = f ? DateField::First : DateField::Second;
        result = given == DateField::First ? ComputeSecondDate() : ComputeFirstDate();
        if (result) {
            if (d) {
                AppendDifferenceLine(given, diff, DayOrDays(state.lngDateDiff));
            } else {
                Append(given == DateField::First ? form_.options.strFirstDateWithCal
                                                 : form_.options.strSecondDateWithCal);
            }
            DisplayDate(given == DateField::First ? DateField::Second : DateField::First);
        }
    }
    if (s || d || f) {
        FinishOutputReport(form_.txbOutput);
    }
    return result;
}

bool Computation::ComputeInMonths(std::string first, std::string diff, std::string second) {
    if (!first.empty() && !second.empty()) {
        ShowProgramTextMessage({program_text::kMonthsTwoDates, program_text::kMonthsTwoDatesHint});
        form_.optMonths = false;
        SetTheFocus(form_);
        return false;
    }
    const CalendarCode cal = GetCal(form_, DateField::First);
    if (cal != GetCal(form_, DateField::Second)) {
        ShowProgramTextMessage(
            {program_text::kMonthsCalendarsDiffer, program_text::kMonthsCalendarsDifferHint});
        return false;
    }
    if (cal == CalendarCode::ISO || cal == CalendarCode::JDN || cal == CalendarCode::LPW ||
        cal == CalendarCode::ORD) {
        ShowProgramTextMessage({program_text::kMonthsCalendarsWithMonths,
                                program_text::kMonthsCalendarsWithoutMonths,
                                program_text::kMonthsCalendarHint});
        return false;
    }
    const ParsedWholeNumber number = ParseWholeNumber(diff);
    if (!number.ok()) {
        ShowComputeMessage(number.status == ParseStatus::OutOfRange ? kMsgDifferenceOutOfRange
                                                                    : kMsgDifferenceInvalid);
        return false;
    }
    const int32_t months = number.value;
    diff = FormatWholeNumber(months, form_.separators.strThousSep);
    form_.txbDateDiff.text = diff;
    const bool leapWeek = cal == CalendarCode::LPM;
    ComputationState& state = form_.state;
    const DateField given = first.empty() ? DateField::Second : DateField::First;
    if (given == DateField::Second ? !ValidateSecondDate(second) : !ValidateFirstDate(first)) {
        return false;
    }
    const CalDate& source = given == DateField::First ? state.udtFirstDate : state.udtSecondDate;
    CalDate& target = given == DateField::First ? state.udtSecondDate : state.udtFirstDate;
    // A month count of ±2,100,000,000 negates without overflow.
    const int32_t step = given == DateField::First ? months : -months;
    const bool result = AddMonths(source, step, target, leapWeek);
    if (!result) {
        ReportOutOfRange();
    }
    if (result) {
        AppendDifferenceLine(given, diff, MonthOrMonths(months));
        DisplayDate(given == DateField::First ? DateField::Second : DateField::First);
    }
    FinishOutputReport(form_.txbOutput);
    return result;
}

}  // namespace tembrel
