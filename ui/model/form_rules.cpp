#include "ui/model/form_rules.h"

namespace tembrel {

void InitCalendarTables(Separators& separators) {
    separators = Separators{};
}

CalendarCode GetCal(const MainFormState& form, int16_t intFirstOrSecond) {
    return intFirstOrSecond == 1 ? form.firstDateCalendar : form.secondDateCalendar;
}

CalendarCode GetCal(const MainFormState& form, DateField field) {
    return GetCal(form, static_cast<int16_t>(field));
}

DateOrder UsersDateFormat(const MainFormState& form) {
    return form.dateOrder;
}

NotationOptions CurrentNotation(const MainFormState& form, bool hyphen) {
    return NotationOptions{UsersDateFormat(form), form.separators.strDateSep,
                           form.separators.strThousSep, hyphen};
}

void SetTheFocus(MainFormState& form) {
    if (!form.enabled || !form.blnStartUpCompleted) {
        return;
    }
    const bool first = !form.txbFirstDate.text.empty();
    const bool diff = !form.txbDateDiff.text.empty();
    const bool second = !form.txbSecondDate.text.empty();
    if (int{first} + int{diff} + int{second} >= 2) {
        form.focus = MainControl::cmdCompute;
    } else if (!first) {
        form.focus = MainControl::txbFirstDate;
    } else if (!diff) {
        form.focus = MainControl::txbDateDiff;
    } else {
        form.focus = MainControl::txbSecondDate;
    }
}

void FocusDateField(MainFormState& form, int fieldNumber) {
    if (fieldNumber != 1 && fieldNumber != 2) {
        return;
    }
    const DateField field = fieldNumber == 1 ? DateField::First : DateField::Second;
    form.focus = field == DateField::First ? MainControl::txbFirstDate : MainControl::txbSecondDate;
    form.DateBox(field).CaretToEnd();
}

}  // namespace tembrel
