// Today's date and the date a week later in the two labels, the calendar cycle
// the labels step through, and the Today buttons.
#include <array>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/notation.h"
#include "text/calendar_names.h"
#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"
#include "ui/model/output_box.h"

namespace tembrel {

namespace {

using C = MainWindowControl;

// The labels' calendars in the order a left click steps through them.
constexpr std::array kTodayCycle = {
    CalendarCode::CE,  CalendarCode::ISO, CalendarCode::JC,  CalendarCode::ORD,
    CalendarCode::LPM, CalendarCode::LPW, CalendarCode::JDN,
};

// Returns the calendar `step` places after `cal` in the cycle (step +1 or -1);
// a calendar outside the cycle stays.
CalendarCode StepTodayCal(CalendarCode cal, int step) {
    const int count = static_cast<int>(kTodayCycle.size());
    for (int i = 0; i < count; ++i) {
        if (kTodayCycle[static_cast<size_t>(i)] == cal) {
            return kTodayCycle[static_cast<size_t>((i + step + count) % count)];
        }
    }
    return cal;
}

}  // namespace

void MainForm::NextTodayCal() {
    window.intTodayCal = StepTodayCal(window.intTodayCal, 1);
}

void MainForm::PrevTodayCal() {
    window.intTodayCal = StepTodayCal(window.intTodayCal, -1);
}

std::string MainForm::TodayLabelDate(int32_t offset) const {
    const int64_t jdn = int64_t{services_.TodayJDN()} + offset;
    const CalendarCode cal = window.intTodayCal;
    std::string text;
    if (!IsJDNInRange(jdn) || !FormatJDNInNotation(static_cast<int32_t>(jdn), cal,
                                                   CurrentNotation(form, form.chkHyphen), text)) {
        return {};
    }
    // The ordinal date is the one notation shown without its code.
    if (cal != CalendarCode::ORD) {
        text += " ";
        text += CalCodeText(cal);
    }
    return text;
}

void MainForm::ShowTodaysDate() {
    if (!form.blnStartUpCompleted) {
        return;
    }
    const LanguageCode language = form.intLanguage;
    std::string lineBreak(kLineEnd);
    if (language == LanguageCode::German) {
        lineBreak += "der ";
    }
    const int weekday = DayOfWeek(services_.TodayJDN());
    SetCaption(C::lblTodaysDate, Text(TextItem::TodayIs) + " " +
                                     std::string(WeekdayName(weekday, language)) + "," + lineBreak +
                                     TodayLabelDate(0));
    SetCaption(C::lblWeekFromToday,
               Text(TextItem::AWeekFromTodayIs) + lineBreak + TodayLabelDate(7));
}

void MainForm::lblToday_MouseUp(int button) {
    if (button == kRightButton) {
        PrevTodayCal();
    } else {
        NextTodayCal();
    }
    ShowTodaysDate();
}

void MainForm::cmdToday_Click(int index) {
    const DateField field = index == 0 ? DateField::First : DateField::Second;
    std::string& text = form.DateBox(field).text;
    if (!FormatJDNInNotation(services_.TodayJDN(), GetCal(form, field),
                             CurrentNotation(form, form.chkHyphen), text)) {
        text.clear();
    }
    SetTheFocus(form);
}

}  // namespace tembrel
