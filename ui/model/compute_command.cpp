// The Compute button: the form's side of a computation. The engine computes from
// the fields and options; the form asks which field to clear beforehand and shows
// the result afterwards.
#include "compute/compute_messages.h"
#include "core/string_utils.h"
#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"
#include "ui/model/output_box.h"

namespace tembrel {

void MainForm::cmdCompute_Click() {
    for (TextBoxState* box : {&form.txbFirstDate, &form.txbDateDiff, &form.txbSecondDate}) {
        TrimSpacesInPlace(box->text);
    }
    const bool all = !form.txbFirstDate.text.empty() && !form.txbDateDiff.text.empty() &&
                     !form.txbSecondDate.text.empty();
    if (all && !ClearOneField()) {
        SetTheFocus(form);
        return;
    }
    ApplyResult(Compute(Request()));
    SetTheFocus(form);
    SetCopyButton();
}

bool MainForm::ClearOneField() {
    clearOneField.Form_Activate();
    dialogs_.ShowClearOneTextBox(clearOneField);
    switch (clearOneField.choice) {
        case ClearChoice::FirstDate:
            form.txbFirstDate.text.clear();
            return true;
        case ClearChoice::DateDiff:
            form.txbDateDiff.text.clear();
            return true;
        case ClearChoice::SecondDate:
            form.txbSecondDate.text.clear();
            return true;
        case ClearChoice::Cancel:
            break;
    }
    return false;
}

ComputeRequest MainForm::Request() {
    ComputeRequest request;
    request.firstDate = form.txbFirstDate.text;
    request.difference = form.txbDateDiff.text;
    request.secondDate = form.txbSecondDate.text;
    request.firstCalendar = GetCal(form, DateField::First);
    request.secondCalendar = GetCal(form, DateField::Second);
    request.unit = form.optMonths ? DifferenceUnit::Months : DifferenceUnit::Days;
    request.notation = CurrentNotation(form, form.chkHyphen);
    request.includeFirstDate = form.chkIncludeFirstDate;
    request.countWeekends = form.chkIncludeWeekends;
    request.workingDays = form.workingDays.get();
    request.verbose = form.chkVerbose;
    request.language = form.intLanguage;
    request.today = services_.TodayJDN();
    request.lineEnd = kLineEnd;
    return request;
}

void MainForm::ApplyResult(const ComputeResult& result) {
    form.txbFirstDate.text = result.Field(InputField::FirstDate);
    form.txbDateDiff.text = result.Field(InputField::Difference);
    form.txbSecondDate.text = result.Field(InputField::SecondDate);
    if (!result.output.empty()) {
        AppendOutput(form.txbOutput, result.output);
        // The report ends with its line end: the caret goes before its last
        // character, which brings the newest report into view.
        form.txbOutput.selStart = static_cast<int>(form.txbOutput.text.size()) - 1;
        form.txbOutput.selLength = 0;
    }
    if (result.switchToDays) {
        // A difference between two dates is only counted in days.
        SelectOption(MainWindowControl::optDays);
    }
    if (result.message == ComputeMessage::None) {
        return;
    }
    const std::string text = MessageText(result.message, form.intLanguage, texts_, kLineEnd);
    if (IsMonthsNotice(result.message)) {
        dialogs_.ShowMessage(text, Caption(MainWindowControl::cmdCompute), MessageIcon::None);
    } else {
        dialogs_.ShowMessage(text, Text(TextItem::Error) + "!", MessageIcon::None);
    }
}

void MainForm::ReportOutOfRange() {
    AppendOutput(form.txbOutput, T(TextItem::OutOfRange, form.intLanguage));
    AppendOutput(form.txbOutput, kLineEnd);
    form.txbOutput.CaretToEnd();
    ShowErrorMessage(kMsgResultOutOfRange);
}

}  // namespace tembrel
