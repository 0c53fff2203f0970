// The spinners beside the date fields: each arrow steps its field's date one
// day, in the field's notation.
#include "compute/compute_messages.h"
#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/notation.h"
#include "core/string_utils.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"

namespace tembrel {

void MainForm::VScroll_Change(int index, int value) {
    if (value == 0 || (index != 0 && index != 1)) {
        return;
    }
    const int fieldNumber = index + 1;
    TextBoxState& box = form.DateBox(index == 0 ? DateField::First : DateField::Second);
    if (!TrimSpaces(box.text).empty()) {
        const std::string next = SpinDate(fieldNumber, box.text, value);
        if (!next.empty()) {
            box.text = next;
        }
    }
    form.txbDateDiff = TextBoxState{};
    FocusDateField(form, fieldNumber);
}

std::string MainForm::SpinDate(int fieldNumber, std::string_view text, int days) {
    const bool first = fieldNumber == 1;
    const CalendarCode cal = GetCal(form, static_cast<int16_t>(fieldNumber));
    const NotationOptions notation = CurrentNotation(form, form.chkHyphen);
    const ParsedDay day = ParseInNotation(text, cal, notation);
    if (day.status == ParseStatus::Invalid) {
        ShowErrorMessage(first ? kMsgFirstDateInvalid : kMsgSecondDateInvalid);
        return {};
    }
    if (!day.ok()) {
        ShowErrorMessage(first ? kMsgFirstDateOutOfRange : kMsgSecondDateOutOfRange);
        return {};
    }
    // |jdn| <= 2100000000 and |days| < 2^31: the sum fits 64 bits.
    const int64_t next = int64_t{day.jdn} + days;
    std::string result;
    if (!IsJDNInRange(next) ||
        !FormatJDNInNotation(static_cast<int32_t>(next), cal, notation, result)) {
        ReportOutOfRange();
        return {};
    }
    return result;
}

}  // namespace tembrel
