// The All calendars window's model: one day in every notation a user can
// choose, a row each (the code, the date in a text box, the notation's name),
// every row editable: a date typed into a row and Enter converts it into all the
// others, and a text that cannot be read is refused with a message that says
// why, as the main window's are. Copy row copies the row last typed into or
// clicked, Copy all every row; Close hides the window. The window is resizable;
// its place and state are kept here, and the main window saves them between
// runs (window_places.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar_codes.h"
#include "core/notation.h"
#include "settings/window_places.h"
#include "ui/model/button_state.h"
#include "ui/model/main_form_state.h"
#include "ui/model/window_context.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

// The controls of the window that can hold the input focus.
enum class AllCalendarsControl : int16_t { None, txbDate, cmdCopyRow, cmdCopyAll, cmdClose };

struct AllCalendarsRow {
    CalendarCode code;
    std::string lblCode;   // "HEB"
    std::string lblName;   // the notation's name in the current language
    TextBoxState txbDate;  // the date; empty where the notation has none for the day
    bool hasDate = true;   // false: the day shown has no date in this notation
};

// The name under which the window's place is saved.
inline constexpr std::string_view kAllCalendarsPlaceName = "AllCalendars";

// The smallest window (twips) the resize rule allows, and the window's size at
// its first opening.
inline constexpr int32_t kAllCalendarsMinWidth = 6000;
inline constexpr int32_t kAllCalendarsMinHeight = 4000;
inline constexpr int32_t kAllCalendarsWidth = 8700;
inline constexpr int32_t kAllCalendarsHeight = 10300;
// Where the window first opens relative to the main window's top left corner.
inline constexpr int32_t kAllCalendarsOffsetLeft = 600;
inline constexpr int32_t kAllCalendarsOffsetTop = 600;

// The rows' columns inside the scrolled area (twips): the code, the text box and
// the name, one row every kAllCalendarsRowPitch.
inline constexpr int32_t kAllCalendarsRowPitch = 330;
inline constexpr int32_t kAllCalendarsRowHeight = 300;
inline constexpr ControlPlace kAllCalendarsCodeColumn{60, 0, 600, kAllCalendarsRowHeight};
inline constexpr ControlPlace kAllCalendarsTextColumn{690, 0, 3150, kAllCalendarsRowHeight};
inline constexpr int32_t kAllCalendarsNameLeft = 3930;
inline constexpr int32_t kAllCalendarsMinNameWidth = 3900;
// Room the scrolled area keeps for its vertical scroll bar.
inline constexpr int32_t kAllCalendarsScrollBarWidth = 300;

struct AllCalendarsState {
    bool visible = false;
    // The window has a place: restored from the last run, or given when it
    // first opened. Until then the next opening places it by the main window.
    bool placed = false;
    WindowState windowState = WindowState::Normal;
    TwipsRect window{0, 0, kAllCalendarsWidth, kAllCalendarsHeight};
    std::string caption;

    // Two lines of room, for a narrow window.
    std::string lblHint;
    ControlPlace lblHintPlace{105, 105, 8400, 420};
    // The scrolled area that holds the rows, and the width of the name column
    // in it (the rows' content is kAllCalendarsNameLeft + nameWidth wide).
    ControlPlace rowsPlace{105, 585, 8400, 8000};
    int32_t nameWidth = kAllCalendarsMinNameWidth;
    std::vector<AllCalendarsRow> rows;
    // Shown, greyed, in the text box of a row without a date.
    std::string noDateText;
    std::string rowTooltip;

    ButtonState cmdCopyRow{"", {105, 8600, 1900, 330}, true};
    ButtonState cmdCopyAll{"", {2100, 8600, 1900, 330}, true};
    ButtonState cmdClose{"", {6600, 8600, 1605, 330}, true};
    std::string copyRowTooltip;
    std::string copyAllTooltip;

    // The row Copy row copies: the one typed into or clicked last.
    int currentRow = 0;
    AllCalendarsControl focus = AllCalendarsControl::None;
    // The day the rows show, and the options they were written with.
    int32_t jdn = 0;
    NotationOptions shownWith;
};

class AllCalendarsModel {
  public:
    // Creates the window's state (hidden, one row per listed notation).
    explicit AllCalendarsModel(const WindowContext& context);

    AllCalendarsState form;

    // Shows the window with the rows of `jdn` (kMinJDN..kMaxJDN), restoring it
    // when it is minimised.
    void Show(int32_t jdn);
    // Restores a minimised window, sets the captions and writes the rows anew
    // when the main window's format options have changed.
    void Form_Activate();
    // Keeps the window at least kAllCalendarsMinWidth x kAllCalendarsMinHeight
    // and lays out the rows and the buttons; nothing while it is minimised.
    void Form_Resize();
    // Sets the captions, tooltips and names in the main window's language.
    void SetLanguageDependentText();
    // Writes the rows anew when the main window's date order, separators or
    // hyphen option differ from those they were written with.
    void FollowFormatOptions();

    // A key typed into a row's text box: Enter (consumed: keyAscii becomes 0)
    // converts the row's text; any key makes the row the current one.
    void txbDate_KeyPress(int row, int& keyAscii);
    // The focus entered a row's text box: it becomes the current row.
    void txbDate_GotFocus(int row);
    // Reads a row's text in its notation: a date puts the day into every row;
    // otherwise a message says why, and the rows stay as they are.
    void ConvertRow(int row);

    // Copies the current row, or every row, as lines of code, tab, date, tab,
    // name, each ended by CR LF.
    void cmdCopyRow_Click();
    void cmdCopyAll_Click();
    // Hides the window.
    void cmdClose_Click();
    // The window's close box: only hides it, as Close does.
    void Form_Unload() { cmdClose_Click(); }

    // The place to save between runs, and one saved by the last run.
    SavedWindowPlace PlaceToSave() const;
    void RestorePlace(const SavedWindowPlace& place);

  private:
    // Writes every row for the day `jdn` with the options in force.
    void ShowDay(int32_t jdn);
    NotationOptions Options() const;
    std::string RowLine(const AllCalendarsRow& row) const;
    AllCalendarsRow* Row(int row);

    WindowContext context_;
};

// The main window's All calendars button: the first date read in its calendar
// (today when it is empty or cannot be read) in every notation. The window
// opens by the main window (`mainWindow`, twips) unless it has a place already.
void cmdAllCalendars_Click(MainFormState& main, const TwipsRect& mainWindow, int32_t today,
                           AllCalendarsModel& window);

}  // namespace tembrel
