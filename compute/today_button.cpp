#include "compute/computation.h"
#include "compute/form_rules.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/notation.h"

namespace tembrel {

void Computation::cmdToday_Click(int index) {
    const DateField field = index == 0 ? DateField::First : DateField::Second;
    const CalendarCode cal = GetCal(form_, field);
    const DateOrder order = UsersDateFormat(form_);
    const Separators& separators = form_.separators;
    const std::string today =
        TodayDateText(0, order, separators.strDateSep, CalendarCode::CE, separators.strThousSep);
    std::string text = today;
    if (cal != CalendarCode::CE) {
        CalDate date{};
        const bool read = ParseDateText(today, separators.strDateSep, CalendarCode::CE, order,
                                        date) == kParseValid;
        if (!read ||
            !FormatJDNInNotation(date.jdn, cal, CurrentNotation(form_, form_.chkHyphen), text)) {
            text.clear();
        }
    }
    form_.DateBox(field).text = text;
    SetTheFocus(form_);
}

}  // namespace tembrel
