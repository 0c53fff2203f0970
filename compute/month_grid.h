// The month window's text: a month of the Common Era or Julian calendar as a grid
// of whole weeks, its holidays marked when a work calendar is given, and the ISO
// 8601 week date of every cell of a Monday-first grid. Lines are separated by
// CR LF; the last line has no line end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "holidays/work_calendar.h"
#include "text/language.h"

namespace tembrel {

// The month to draw and how.
struct MonthGridRequest {
    int32_t year = 0;          // astronomical year (0 = 1 BC)
    int month = 1;             // 1..12
    bool julian = false;       // the Julian calendar, else Common Era (Gregorian)
    bool mondayFirst = false;  // weeks begin on Monday, else on Sunday
    LanguageCode language = LanguageCode::English;
    // The holidays of this calendar (region holidays and the user's own) are
    // marked; null marks nothing. It must outlive the call.
    const holidays::WorkCalendar* holidays = nullptr;
};

// The marks of a holiday: after the day in its cell, and before its name in
// the list under the grid.
inline constexpr char kHolidayMark = '*';

// A drawn grid: its text, the month's holidays, and what the ISO panel needs to
// follow it.
struct MonthGrid {
    std::string text;  // the header line, then one line per week row
    // One line per holiday of the month, its day marked as in the grid and its
    // name ("   1* New Year's Day"); empty when none is marked.
    std::string holidays;
    int32_t gridStartJDN = 0;  // day number of the first cell
    int16_t numWeekRows = 0;   // 1..6
};

// Returns the grid's header: for each of the seven columns " ", the first three
// characters of the day name and " " (35 characters for three-letter ASCII names).
std::string MonthGridHeader(bool mondayFirst, LanguageCode language);

// Draws the month: the first row starts on the wanted weekday on or before the
// 1st; each cell is five characters wide with the day's last digit in its third
// position, and each row is written as " " plus its cells. With a work calendar,
// each day of the month that is a holiday has kHolidayMark after its digits
// ("  1* "), and `holidays` names them (German names in German, English ones in
// every other language). Rows are added until
// the last cell of a row lies in a later month or year, or is a 31st, and at most
// six; so a month of fewer than 31 days that ends on a row's last cell gets one
// more row of the next month's days. Returns nothing for a month outside 1..12,
// or when the 1st cannot be converted or a cell's day number would leave
// kMinJDN..kMaxJDN (years of roughly six million and beyond).
std::optional<MonthGrid> BuildMonthGrid(const MonthGridRequest& request);

// Builds the ISO panel for a Monday-first grid: a header of the seven day names
// from Monday (" Mon   " each without the year digit; each name cut or padded to
// eight characters and separated by one space with it), then for each week row
// the ISO week of its Monday written for the seven days ("W05-1  W05-2 ..." or
// "9-W05-1  9-W05-2 ..." with the year's final digit). Rows end without trailing
// spaces. At most six rows; a row whose Monday lies outside kMinJDN..kMaxJDN
// is left out.
std::string BuildISOWeekDates(int32_t gridStartJDN, int16_t numWeekRows, bool withYear,
                              LanguageCode language);

}  // namespace tembrel
