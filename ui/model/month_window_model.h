// The month window's model: the year field, the month list, the calendar and
// first-day-of-week options, the grid and the ISO week panel, and the handlers
// the desktop window forwards its events to. The window renders this state and
// nothing else; the grid text itself comes from month_grid.h.
//
// Events the desktop window forwards, in the model's terms:
// - a click on an option: the option's _Click handler (it selects the option);
// - a choice in the month list: SelectMonth(position); text typed into the
//   list's edit part: cboMonths_Change(text);
// - a change of the check box: set form.chkWithYear, then chkWithYear_Click();
// - a key pressed in the year field: txbYear_KeyDown(key code); released there:
//   txbYear_KeyUp(key code), after the typed text has been written into
//   form.txbYear;
// - the window becoming active: Form_Activate(); its close box: Form_Unload().
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/input_codes.h"
#include "ui/model/window_context.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

// The controls of the month window that can hold the input focus.
enum class MonthControl : int16_t {
    None,
    txbYear,
    cboMonths,
    optCommonEra,
    optJulian,
    optSunday,
    optMonday,
    cmdDisplay,
    cmdDisplayNextMonth,      // index 0
    cmdDisplayPreviousMonth,  // cmdDisplayNextMonth index 1
    cmdCopyToClipboard,
    cmdClose,
    cmdShowHideISO,
    chkWithYear,
};

// A drop-down list with an editable text part.
struct ComboBoxState {
    std::vector<std::string> entries;
    int listIndex = -1;  // the selected entry, or -1 when the typed text selects none
    std::string text;    // the text part: the selected entry, or what was typed
};

// The captions that follow the language, and the window's own caption.
struct MonthWindowCaptions {
    std::string window;
    std::string lblYear;
    std::string lblMonth;
    std::string lblCalendar;
    std::string lblFirstDayOfWeek;
    std::string optCommonEra;
    std::string optJulian;
    std::string optSunday;
    std::string optMonday;
    std::string cmdDisplay;
    std::array<std::string, 2> cmdDisplayNextMonth;  // next, previous
    std::string cmdCopyToClipboard;
    std::string cmdClose;
    std::string cmdShowHideISO;
    std::string chkWithYear;
};

// Window heights (twips) with the ISO panel hidden and shown: the bottom of the
// ISO button, or of the panel, plus 550 for the window's frame and a margin.
inline constexpr ControlPlace kShowHideISOPlace{210, 3400, 3420, 330};
inline constexpr ControlPlace kISODatesPlace{315, 3925, 7470, 1980};
inline constexpr int32_t kMonthWindowHeightPanelHidden =
    kShowHideISOPlace.top + kShowHideISOPlace.height + 550;
inline constexpr int32_t kMonthWindowHeightPanelShown =
    kISODatesPlace.top + kISODatesPlace.height + 550;
// The width of the window's client area; the desktop window adds its frame.
inline constexpr int32_t kMonthWindowClientWidth = 8025;
// Where the window opens the first time, relative to the main window.
inline constexpr int32_t kMonthWindowOffsetLeft = 4000;
inline constexpr int32_t kMonthWindowOffsetTop = 1710;

struct MonthWindowState {
    std::string txbYear;  // as typed; at most 9 characters in the desktop window
    ComboBoxState cboMonths;
    bool optJulian = false;  // optCommonEra is selected exactly when this is not
    bool optMonday = false;  // optSunday is selected exactly when this is not
    int16_t chkWithYear = 0;
    std::string txbMonth;  // the grid
    // The holidays marked in the grid, a line each (see month_grid.h): the
    // grid's tooltip names them, and they are copied with it.
    std::string monthHolidays;
    std::string txbISODates;  // the ISO panel

    bool blnISODatesShown = false;
    int16_t intNumWeekRows = 0;   // rows of the grid last drawn, 0 before the first
    int32_t lngGridStartJDN = 0;  // first cell of the grid last drawn

    TwipsRect window{0, 0, kMonthWindowClientWidth, kMonthWindowHeightPanelHidden};
    bool visible = false;
    bool cmdShowHideISOEnabled = false;
    bool chkWithYearEnabled = false;
    bool cmdCopyToClipboardEnabled = false;
    MonthWindowCaptions captions;
    MonthControl focus = MonthControl::None;

    bool optCommonEra() const { return !optJulian; }
    bool optSunday() const { return !optMonday; }
};

class MonthWindowModel {
  public:
    // Creates the window's state (hidden) and runs Form_Load.
    explicit MonthWindowModel(const WindowContext& context);

    MonthWindowState form;

    // Fills the month list in the current language with January selected, and
    // checks "with final digit of year".
    void Form_Load();
    // Runs each time the window becomes active: sets the caption, refills the
    // month list in the current language keeping the selection, hides the ISO
    // panel, enables the controls.
    void Form_Activate();
    // Shows the window (modeless) and activates it.
    void Show();

    // Draws the grid from the year field, the month list and the options, the
    // holidays of the main window's working days marked (month_grid.h). Does
    // nothing while the window is hidden. An empty year, or one that is not a
    // whole number, shows "Please specify year"; a year whose grid leaves the
    // supported day numbers shows "Out of Range"; with no month selected nothing
    // is drawn. In each of these cases the grid stays as it was.
    void DisplayMonth();
    void cmdDisplay_Click() { DisplayMonth(); }
    void cboMonths_Click() { DisplayMonth(); }
    // Selects a month list entry (0..11) as the user's choice does, and draws.
    void SelectMonth(int position);
    // Sets the list position (0..11; anything else selects no entry) and its text
    // without drawing, for changes the program makes before it draws once.
    void SetListIndex(int position);
    // Takes text typed into the month list: it selects the entry it names (case
    // ignored), else no entry. Draws nothing.
    void cboMonths_Change(std::string_view typed);
    // Notes that Enter went down in the year field.
    void txbYear_KeyDown(int keyCode);
    // Draws when the released key is an Enter that went down in the year field.
    // The Enter that dismisses the year message went down in the message box
    // and comes up here: it draws nothing, or the message would come back with
    // every Enter that closes it.
    void txbYear_KeyUp(int keyCode);
    // Index 0 shows the next month, index 1 the previous one, crossing year ends.
    // Nothing happens with an empty year field or no month selected; a year that
    // must change but is not a usable whole number shows the year message.
    void cmdDisplayNextMonth_Click(int index);

    // The option handlers: each selects its option, redraws, hides the ISO panel
    // when the new combination does not offer it, and updates the enabled states.
    void optCommonEra_Click();
    void optJulian_Click();
    void optSunday_Click();
    void optMonday_Click();
    // Selects an option from the program (start-up, settings); its handler runs
    // only when the selection changes.
    void SelectJulian(bool julian);
    void SelectMonday(bool monday);

    // Shows or hides the ISO week dates panel.
    void cmdShowHideISO_Click();
    // Redraws a shown panel after form.chkWithYear changed.
    void chkWithYear_Click();
    // Offers the ISO panel only for Common Era with weeks beginning on Monday;
    // does nothing before the main window's start-up has completed.
    void EnableISOControls();
    // Rebuilds the ISO panel for the grid last drawn.
    void DisplayISOWeekDates();
    // Draws the grid shown again, with the holidays of the working days now in
    // force marked; does nothing while the window is hidden or shows no grid,
    // or when the year field or month list no longer name a month (no message).
    void RedrawHolidayMarks();

    // Puts the month's heading, the grid and a shown ISO panel on the clipboard.
    void cmdCopyToClipboard_Click();
    // Returns the text the copy button puts on the clipboard: the month name, the
    // year field exactly as typed and the calendar, then the grid, its holidays
    // when some are marked and, when the panel is shown, the ISO panel. With no month selected the
    // month list's typed text stands for the name.
    std::string ClipboardText() const;

    // Hides the window and puts the focus into the main window's first date.
    void cmdClose_Click();
    // The window's close box: only hides it, as Close does.
    void Form_Unload() { cmdClose_Click(); }

    // Sets every caption that follows the language.
    void SetLanguageDependentText();

    // The options as the settings file stores them: "Sun" or "Mon", "CE" or "JC".
    std::string_view FirstDayOfWeekSetting() const;
    std::string_view CalendarSetting() const;
    // Selects the options from the settings file's texts: exactly "Mon" selects
    // Monday and exactly "JC" the Julian calendar; anything else Sunday and
    // Common Era.
    void ApplyFirstDayOfWeekSetting(std::string_view text);
    void ApplyCalendarSetting(std::string_view text);

  private:
    LanguageCode Language() const;
    // The work calendar whose holidays the grid marks; null: none.
    const holidays::WorkCalendar* HolidayCalendar() const;
    void FillMonthList();
    void ShowYearMessage(bool outOfRange);
    // Hides the panel when it is shown and `hide` holds, then updates the enabled
    // states (the common tail of the option handlers).
    void AfterOptionChange(bool hide);

    WindowContext context_;
    bool enterDownInYear_ = false;  // an Enter went down in the year field, not yet up
};

}  // namespace tembrel
