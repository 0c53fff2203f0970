// Second -> First: carries the second date, as a day, into the first field.
#include "compute/compute_messages.h"
#include "core/date_parsing.h"
#include "core/notation.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"

namespace tembrel {

void MainForm::cmdMoveSecondDateToFirst_Click() {
    if (form.txbSecondDate.text.empty()) {
        SetTheFocus(form);
        return;
    }
    const NotationOptions notation = CurrentNotation(form, form.chkHyphen);
    const ParsedDay day =
        ParseInNotation(form.txbSecondDate.text, GetCal(form, DateField::Second), notation);
    if (!day.ok()) {
        ShowErrorMessage(day.status == ParseStatus::OutOfRange ? kMsgSecondDateOutOfRange
                                                               : kMsgSecondDateInvalid);
        FocusOn(MainControl::txbSecondDate);
        return;
    }
    std::string text;
    if (!FormatJDNInNotation(day.jdn, GetCal(form, DateField::First), notation, text)) {
        // Only an ordinal first date outside years 1..9999 has no text; the
        // day is out of range there, and nothing moves.
        ReportOutOfRange();
        FocusOn(MainControl::txbSecondDate);
        return;
    }
    form.txbFirstDate.text = text;
    form.txbFirstDate.CaretToEnd();
    form.txbSecondDate = TextBoxState{};
    FocusOn(MainControl::txbDateDiff);
}

}  // namespace tembrel
