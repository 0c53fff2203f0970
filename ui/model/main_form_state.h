// The main window's state as the computation sees it: the three input fields, the
// output box, the option groups and check boxes, the language and the focus.
// Plain data: the handlers that change it live in the main window's model, and
// the desktop window only renders it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/calendar_codes.h"
#include "core/calendar_tables.h"
#include "holidays/working_days.h"
#include "text/language.h"

namespace tembrel {

// The controls of the main window that can hold the input focus.
enum class MainControl : int16_t {
    None,
    txbFirstDate,
    txbDateDiff,
    txbSecondDate,
    txbOutput,
    cmdCompute,
    cmdDisplayMonth,
    cmdReset,
    cmdHelp,
    cmdQuit,
    cmdClose,
    cboLanguage,
};

// A text box: its text, the caret (selection start, counted in bytes from 0) and
// the length of the selection.
struct TextBoxState {
    std::string text;
    int selStart = 0;
    int selLength = 0;

    // Returns the selected text, or the empty text when nothing is selected.
    std::string SelectedText() const;
    // Puts the caret after the last character and removes the selection.
    void CaretToEnd();
};

// The separators the user chose in the format options. Every parser and formatter
// is handed the current values at the time of the call.
struct Separators {
    std::string strDateSep{kDefaultDateSep};    // "-", "/" or "."
    std::string strThousSep{kDefaultThousSep};  // ",", "." or empty (none)
};

// The two date fields; the first and second date share every routine, which
// takes the field as a parameter.
enum class DateField : int16_t { First = 1, Second = 2 };

struct MainFormState {
    TextBoxState txbFirstDate;
    TextBoxState txbDateDiff;
    TextBoxState txbSecondDate;
    TextBoxState txbOutput;

    // The option selected in each calendar group (Frame1, Frame2).
    CalendarCode firstDateCalendar = CalendarCode::CE;
    CalendarCode secondDateCalendar = CalendarCode::CE;
    // The date order group (optDateFormatIsYMD, ...DMY, ...MDY).
    DateOrder dateOrder = DateOrder::YMD;
    // strDateSep and strThousSep, set by the separator groups.
    Separators separators;
    // The difference unit: optDays selected, or optMonths.
    bool optMonths = false;

    // Check boxes: checked or not.
    bool chkIncludeFirstDate = false;
    bool chkIncludeWeekends = true;
    bool chkVerbose = true;
    bool chkHyphen = true;
    bool chkSaveOutput = true;

    // The working days the user chose in the working days dialog, and the work
    // calendar built from them: what chkIncludeWeekends leaves out of a count,
    // and the holidays the month window marks. Null: Saturday and Sunday off,
    // no holidays, also while a saved choice cannot be built (its files gone).
    holidays::WorkingDaysChoice workingDaysChoice;
    std::shared_ptr<const holidays::WorkingDays> workingDays;

    LanguageCode intLanguage = LanguageCode::English;
    bool blnStartUpCompleted = false;
    bool enabled = true;
    MainControl focus = MainControl::None;

    TextBoxState& DateBox(DateField field) {
        return field == DateField::First ? txbFirstDate : txbSecondDate;
    }
    const TextBoxState& DateBox(DateField field) const {
        return field == DateField::First ? txbFirstDate : txbSecondDate;
    }
};

}  // namespace tembrel
