// The month window's layout table: every control with its kind, container and
// place (twips), and which caption of the model each control shows. The window's
// client area is kMonthWindowClientWidth wide; its height follows the ISO panel
// (month_window_model.h).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "ui/model/layout_table.h"
#include "ui/model/month_window_model.h"

namespace tembrel {

enum class MonthWindowControl : int16_t {
    frmDisplayMonth,    // the window itself
    fraCalendar,        // holds lblCalendar and the calendar options
    fraFirstDayOfWeek,  // holds lblFirstDayOfWeek and the weekday options
    lblYear,
    txbYear,
    lblMonth,
    cboMonths,
    lblCalendar,
    optCommonEra,
    optJulian,
    lblFirstDayOfWeek,
    optSunday,
    optMonday,
    txbMonth,
    cmdDisplay,
    cmdDisplayNextMonth0,  // "Display next month"
    cmdDisplayNextMonth1,  // "Display previous month"
    cmdCopyToClipboard,
    cmdClose,
    cmdShowHideISO,
    chkWithYear,
    txbISODates,
};

using MonthWindowEntry = ControlEntry<MonthWindowControl>;

// The most characters the year field takes from the user.
inline constexpr int kYearFieldMaxLength = 9;

// Returns the table, the frames before the controls they hold. The month list is
// a list with an editable text part; the grid and the ISO panel are read-only
// multi-line boxes without scroll bars.
std::span<const MonthWindowEntry> MonthWindowLayout();

// Returns the caption a control shows, or the empty text for controls without
// one (frames, text boxes, the month list). The window's own caption for
// frmDisplayMonth.
const std::string& MonthWindowCaption(const MonthWindowCaptions& captions, MonthWindowControl id);

// Returns the control that holds the model's focus target; frmDisplayMonth for
// None.
MonthWindowControl ControlOfMonthFocus(MonthControl focus);

// Returns the focus target a control stands for; None for labels, frames and
// the read-only boxes.
MonthControl MonthFocusOfControl(MonthWindowControl id);

}  // namespace tembrel
