#include "ui/model/month_window_opening.h"

#include <string>

#include "core/calendar_binding.h"
#include "core/date_parsing.h"
#include "ui/model/form_rules.h"
#include "ui/model/text_box_trim.h"

namespace tembrel {

MonthOfDate MonthOfFirstDate(std::string_view firstDateText, CalendarCode cal,
                             std::string_view dateSep, DateOrder order, int32_t today) {
    int32_t jdn = today;
    char marker = kMarkerGregorian;
    const bool readable =
        cal == CalendarCode::CE || cal == CalendarCode::JC || cal == CalendarCode::JDN;
    if (!firstDateText.empty() && readable) {
        const Parsed<CalDate> date = ParseDateText(firstDateText, dateSep, cal, order);
        if (date.ok()) {
            jdn = date.value.jdn;
            marker = cal == CalendarCode::JC ? kMarkerJulian : kMarkerGregorian;
        }
    }
    const CalDate date = CalDateOfJDN(jdn, marker);
    return {date.year, date.month};
}

void cmdDisplayMonth_Click(MainFormState& main, const TwipsRect& mainWindow,
                           MonthWindowModel& window, int32_t today) {
    TrimTextBox(main.txbFirstDate);
    const MonthOfDate month =
        MonthOfFirstDate(main.txbFirstDate.text, GetCal(main, DateField::First),
                         main.separators.strDateSep, UsersDateFormat(main), today);
    MonthWindowState& form = window.form;
    form.txbYear = std::to_string(month.year);
    // Drawn once, below, when the window is visible.
    window.SetListIndex(month.month - 1);
    if (!form.visible) {
        form.window.left = ClampTwips(int64_t{mainWindow.left} + kMonthWindowOffsetLeft);
        form.window.top = ClampTwips(int64_t{mainWindow.top} + kMonthWindowOffsetTop);
    }
    window.Show();
    window.DisplayMonth();
}

}  // namespace tembrel
