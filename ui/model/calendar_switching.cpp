// Converting a date field's text in place when its calendar option changes.
#include "core/date_parsing.h"
#include "core/notation.h"
#include "core/string_utils.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"

namespace tembrel {

void MainForm::CalendarOption_Click(DateField field, CalendarCode cal) {
    (field == DateField::First ? form.firstDateCalendar : form.secondDateCalendar) = cal;
    TextBoxState& box = form.DateBox(field);
    const std::string trimmed(TrimSpaces(box.text));
    if (trimmed != box.text) {
        box.text = trimmed;
        box.CaretToEnd();
    }
    CalendarCode& fieldCal =
        field == DateField::First ? window.intFirstFieldCal : window.intSecondFieldCal;
    if (form.blnStartUpCompleted) {
        window.intConvertFromCal = fieldCal;
        window.strConvertText = box.text;
        window.intConvertToCal = cal;
        if (ConvertFieldText()) {
            box.text = window.strConvertedText;
            box.CaretToEnd();
        }
    }
    // The new calendar is remembered even when the text could not be
    // converted: a later Compute reads the text in it and says it is invalid.
    fieldCal = cal;
}

bool MainForm::ConvertFieldText() {
    ShowTodaysDate();
    if (window.strConvertText.empty() || window.intConvertFromCal == window.intConvertToCal) {
        return false;
    }
    const NotationOptions notation = CurrentNotation(form, form.chkHyphen);
    const ParsedDay day =
        ParseInNotation(window.strConvertText, window.intConvertFromCal, notation);
    if (!day.ok()) {
        return false;
    }
    std::string converted;
    if (!FormatJDNInNotation(day.jdn, window.intConvertToCal, notation, converted)) {
        return false;
    }
    window.strConvertedText = converted;
    FocusOn(MainControl::txbDateDiff);
    return true;
}

}  // namespace tembrel
