// The clear-one-field dialog as the desktop window draws it: its controls, its
// captions in the current language and where it opens. The user's choice itself
// lives in ClearOneFieldDialog (compute/clear_one_field.h), which the Compute
// command reads after the dialog has closed.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "text/language.h"
#include "ui/model/clear_one_field.h"
#include "ui/model/layout_table.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

enum class ClearOneFieldControl : int16_t {
    frmClearOneTextBox,  // the dialog itself
    lblNeedToClear,
    lblClear,
    optClearFirstDate,
    optClearDateDiff,
    optClearSecondDate,
    lblOr,
    optCancel,
    cmdContinue,
};

using ClearOneFieldEntry = ControlEntry<ClearOneFieldControl>;

inline constexpr int32_t kClearOneFieldClientWidth = 8010;
inline constexpr int32_t kClearOneFieldClientHeight = 1950;

// The dialog's background (window, labels, options): a pale cyan.
inline constexpr uint32_t kClearOneFieldBackgroundRgb = 0xC0FFFF;

// Returns the dialog's layout table.
std::span<const ClearOneFieldEntry> ClearOneFieldLayout();

// Returns the option control that shows `choice`, and the choice an option shows.
ClearOneFieldControl OptionOfChoice(ClearChoice choice);
ClearChoice ChoiceOfOption(ClearOneFieldControl option);

struct ClearOneFieldCaptions {
    std::string window;
    std::string lblNeedToClear;  // two lines joined by CR LF
    std::string lblClear;
    std::string lblOr;
    std::string optClearFirstDate;
    std::string optClearDateDiff;
    std::string optClearSecondDate;
    std::string optCancel;
    std::string cmdContinue;

    // Returns the caption of a control (the window's for frmClearOneTextBox).
    const std::string& Of(ClearOneFieldControl id) const;
};

// Returns every caption of the dialog in `language`, from the text table and
// the computation messages.
ClearOneFieldCaptions ClearOneFieldCaptionsIn(LanguageCode language);

// Returns where the dialog's top left corner goes each time it is shown (twips,
// screen): 50 right of the date entry panel's left edge and 2850 below the main
// window's top. `mainWindow` is the main window's outer place, `frame3Left` the
// panel's left inside the main window.
TwipsRect ClearOneFieldPlace(const TwipsRect& mainWindow, int32_t frame3Left);

}  // namespace tembrel
