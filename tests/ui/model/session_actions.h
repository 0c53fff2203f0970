// The actions of the random session (random_session.h): what a user does to the
// main window and to the month and large display windows, made at random from a
// seed, and said in words for failure reports.
//
// An action's random numbers are drawn when it is made and read against the
// state only when it runs, so that any subsequence of a session replays.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/clear_one_field.h"
#include "ui/model/input_codes.h"
#include "ui/model/main_controls.h"
#include "ui/model/window_geometry.h"

namespace tembrel::test_support {

struct SessionAction {
    enum class Kind : int16_t {
        TypeKeys,     // `keys` typed into field `target` (0 first, 1 difference, 2 second)
        PasteText,    // `text` put into field `target` in place of its text
        SelectText,   // a selection in text box `target` (3: the output box)
        Click,        // a click on the main window's clickable control number `target`
        ToggleCheck,  // a click on check box number `target`
        ChooseLanguage,
        TodayLabel,   // a mouse button released over a today label
        Spin,         // spinner `target`, up or down
        OutputKey,    // a key typed into the output box
        Restart,      // Quit, then start the program again
        MonthYear,    // `text` typed into the month window's year field, then a key released
        MonthList,    // a month chosen from the list, or `text` typed into it
        MonthClick,   // a click on the month window's control number `target`
        LargeSelect,  // a selection in the large display, then a mouse button released
        LargeKey,     // a key typed into the large display's text
        LargeClick,   // a click on the large display's control number `target`
        LargeResize,  // the large display resized, minimised or maximised
    };

    Kind kind = Kind::Click;
    int32_t target = 0;
    int32_t first = 0;   // a key, a button, a list position, a selection's start, a width
    int32_t second = 0;  // a selection's length, a height, a window state
    std::string text;
    std::vector<int32_t> keys;  // character codes, and the control codes of input_codes.h
    // The dialogs' answers while the action runs.
    std::optional<ClearChoice> clearAnswer;
    bool yes = false;
};

// Returns the action in words, for failure reports: "keys '1' '5' into txbFirstDate".
std::string Describe(const SessionAction& action);

// Makes random actions from a seed: the same seed gives the same actions.
class ActionSource {
  public:
    explicit ActionSource(uint64_t seed) : random_(seed) {}
    SessionAction Next();

  private:
    int32_t Below(int32_t bound);
    std::string AnyText();
    int32_t AnyKey();

    std::mt19937_64 random_;
};

// ---- What the actions' numbers pick ----

// The input fields, and the text boxes (the output box last).
inline constexpr std::array kInputFields = {MainWindowControl::txbFirstDate,
                                            MainWindowControl::txbDateDiff,
                                            MainWindowControl::txbSecondDate};
inline constexpr std::array kTextBoxes = {
    MainWindowControl::txbFirstDate, MainWindowControl::txbDateDiff,
    MainWindowControl::txbSecondDate, MainWindowControl::txbOutput};

// The month window's and the large display's controls, and their windows' own
// events.
// clang-format off
inline constexpr std::array<std::string_view, 13> kMonthControls = {
    "optCommonEra", "optJulian", "optSunday", "optMonday", "cmdDisplay", "cmdDisplayNextMonth",
    "cmdDisplayPreviousMonth", "cmdShowHideISO", "chkWithYear", "cmdCopyToClipboard", "cmdClose",
    "Form_Activate", "Form_Unload"};
// clang-format on
inline constexpr std::array<std::string_view, 4> kLargeControls = {"cmdCopyToClipboard", "cmdClose",
                                                                   "Form_Activate", "Form_Unload"};

// Places of the main window the secondary windows are put beside: an ordinary
// one, and ones at the far ends of the coordinates.
inline constexpr std::array<TwipsRect, 3> kMainPlaces = {
    TwipsRect{1000, 500, 11565, 8100},
    TwipsRect{-2147483647, -2147483647, 11565, 8100},
    TwipsRect{2147483000, 2147483000, 2147483647, 2147483647},
};

inline constexpr std::array kMouseButtons = {kLeftButton, kRightButton, kMiddleButton};

// The main window's controls a click does something to: every button but Quit
// (the action Restart), every option, and the three labels that open a message
// or a page.
const std::vector<MainWindowControl>& ClickableControls();

// The main window's check boxes.
const std::vector<MainWindowControl>& CheckBoxes();

// Returns the text in double quotes with its line ends and NUL characters
// shown, cut after 200 bytes.
std::string Printable(std::string_view text);

}  // namespace tembrel::test_support
