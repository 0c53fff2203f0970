// The numbers of the program texts in the language data file. Code names a
// program text only through these constants.
#pragma once

#include <array>
#include <cstdint>

namespace tembrel::program_text {

inline constexpr int32_t kProductName = 1;                    // window caption
inline constexpr int32_t kMonthGridTooltip = 9;               // month window: the grid
inline constexpr int32_t kIsoPanelTooltip = 11;               // month window: ISO panel
inline constexpr int32_t kIsoDatesHeading = 13;               // month window: copied text
inline constexpr int32_t kShowIsoDatesCaption = 14;           // ISO button, panel hidden
inline constexpr int32_t kHideIsoDatesCaption = 15;           // ISO button, panel shown
inline constexpr int32_t kResetWhatItDoes = 18;               // Reset question, line 1
inline constexpr int32_t kResetSettingsFile = 19;             // Reset question, line 2
inline constexpr int32_t kResetConfirm = 20;                  // Reset question, after a blank line
inline constexpr int32_t kMonthsTwoDates = 21;                // months mode refused: two dates
inline constexpr int32_t kMonthsTwoDatesHint = 22;            //   ... what to do instead
inline constexpr int32_t kMonthsCalendarsDiffer = 23;         // months mode refused: calendars
inline constexpr int32_t kMonthsCalendarsDifferHint = 24;     //   ... what to do instead
inline constexpr int32_t kMonthsCalendarsWithMonths = 25;     // months mode refused: calendar
inline constexpr int32_t kMonthsCalendarsWithoutMonths = 26;  //   ... which have no months
inline constexpr int32_t kMonthsCalendarHint = 27;            //   ... what to do instead
inline constexpr int32_t kCloseCaption = 184;                 // large display: Close
inline constexpr int32_t kCopyAllCaption = 185;               // large display: copy, no selection
inline constexpr int32_t kSettingsFolderName = 310;           // per-user settings folder
inline constexpr int32_t kCopySelectionCaption = 424;         // large display: copy the selection
inline constexpr int32_t kLargeDisplayTextTooltip = 428;      // large display: the text box
inline constexpr int32_t kLargeDisplayCopyTooltip = 429;      // large display: the copy button
inline constexpr int32_t kAllCalendarsCaption = 460;          // all calendars: window and button
inline constexpr int32_t kAllCalendarsButtonTooltip = 461;    //   ... the main window's button
inline constexpr int32_t kAllCalendarsHint = 462;             //   ... the hint above the rows
inline constexpr int32_t kAllCalendarsRowTooltip = 463;       //   ... a row's text box
inline constexpr int32_t kCopyRowCaption = 464;               //   ... Copy row
inline constexpr int32_t kCopyAllRowsCaption = 465;           //   ... Copy all
inline constexpr int32_t kCopyRowTooltip = 466;               //   ... Copy row's tooltip
inline constexpr int32_t kCopyAllRowsTooltip = 467;           //   ... Copy all's tooltip
inline constexpr int32_t kRowDateInvalid = 468;               //   ... a text that is no date
inline constexpr int32_t kRowDateOutOfRange = 469;            //   ... a date out of range

// Every program text the program uses; each must exist in English and German.
inline constexpr std::array kAllNumbers = {
    kProductName,
    kMonthGridTooltip,
    kIsoPanelTooltip,
    kIsoDatesHeading,
    kShowIsoDatesCaption,
    kHideIsoDatesCaption,
    kResetWhatItDoes,
    kResetSettingsFile,
    kResetConfirm,
    kMonthsTwoDates,
    kMonthsTwoDatesHint,
    kMonthsCalendarsDiffer,
    kMonthsCalendarsDifferHint,
    kMonthsCalendarsWithMonths,
    kMonthsCalendarsWithoutMonths,
    kMonthsCalendarHint,
    kCloseCaption,
    kCopyAllCaption,
    kSettingsFolderName,
    kCopySelectionCaption,
    kLargeDisplayTextTooltip,
    kLargeDisplayCopyTooltip,
    kAllCalendarsCaption,
    kAllCalendarsButtonTooltip,
    kAllCalendarsHint,
    kAllCalendarsRowTooltip,
    kCopyRowCaption,
    kCopyAllRowsCaption,
    kCopyRowTooltip,
    kCopyAllRowsTooltip,
    kRowDateInvalid,
    kRowDateOutOfRange,
};

}  // namespace tembrel::program_text
