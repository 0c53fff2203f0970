// Opening the month window from the main window's "Display month" button with
// the month of the first date, or of today.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendar_codes.h"
#include "ui/model/main_form_state.h"
#include "ui/model/month_window_model.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

struct MonthOfDate {
    int32_t year = 0;
    int month = 1;  // 1..12
};

// Returns the month the window opens with for the first date's text (already
// trimmed): for a Common Era or Julian calendar date its month in that calendar,
// for a Julian day number its Common Era month; the Common Era month of `today`
// (a day number) when the text is empty, not a date, or written in any other
// notation.
MonthOfDate MonthOfFirstDate(std::string_view firstDateText, CalendarCode cal,
                             std::string_view dateSep, DateOrder order, int32_t today);

// The main window's Display month button: trims the first date field, puts that
// date's year and month into the window, places the window relative to the main
// window (`mainWindow`, twips) when it is hidden, shows it and draws the month.
// The window's own calendar option stays as it is; `today` is the day the window
// shows for an empty first date.
void cmdDisplayMonth_Click(MainFormState& main, const TwipsRect& mainWindow,
                           MonthWindowModel& window, int32_t today);

}  // namespace tembrel
