// The controls of the main window, one enumerator per control (control arrays
// get one per index), and the mapping to the focus targets the computation
// knows.
#pragma once

#include <cstdint>

#include "ui/model/main_form_state.h"

namespace tembrel {

enum class MainWindowControl : int16_t {
    frmMain,  // the window itself: container of the top-level controls
    // Top level.
    Frame4,
    Frame3,
    Frame5,
    Frame6,
    cboLanguage,
    chkHyphen,
    chkVerbose,
    lblTodaysDate,
    lblWeekFromToday,
    lblCopyright,
    lblNorvaneSystems,
    cmdCompute,
    cmdDisplayMonth,
    cmdReset,
    cmdHelp,
    cmdQuit,
    // Options panel (Frame4) and its two groups.
    lblDateFormat,
    frmDateFormat,
    lblDateSeparator,
    frmDateSeparator,
    lblThousandsSeparator,
    optThousSepIsComma,
    optThousSepIsDot,
    optThousSepNone,
    chkIncludeFirstDate,
    chkIncludeWeekends,
    cmdWorkingDays,  // opens the working days dialog
    optDateFormatIsYMD,
    optDateFormatIsDMY,
    optDateFormatIsMDY,
    optSeparatorIsDash,
    optSeparatorIsDot,
    optSeparatorIsSlash,
    // The days/months pair (Frame5).
    optDays,
    optMonths,
    // Date entry panel (Frame3).
    lblFirstDate,
    cmdToday0,
    lblDateDifference,
    lblSecondDate,
    cmdToday1,
    txbFirstDate,
    VScroll0,
    txbDateDiff,
    txbSecondDate,
    VScroll1,
    cmdClearFirstDate,
    cmdClearDateDiff,
    cmdClearSecondDate,
    cmdMoveSecondDateToFirst,
    cmdAllCalendars,
    Frame1,
    Frame2,
    // First date calendar group (Frame1).
    lblThisIsA0,
    optFirstDateIsCE,
    optFirstDateIsISO,
    optFirstDateIsJC,
    optFirstDateIsORD,
    optFirstDateIsLPM,
    optFirstDateIsLPW,
    optFirstDateIsJDN,
    lblOnlineDocumentation,
    // Second date calendar group (Frame2).
    lblThisIsA1,
    optSecondDateIsCE,
    optSecondDateIsISO,
    optSecondDateIsJC,
    optSecondDateIsORD,
    optSecondDateIsLPM,
    optSecondDateIsLPW,
    optSecondDateIsJDN,
    // Output panel (Frame6).
    txbOutput,
    cmdClearOutputWindow,
    cmdEnlarge,
    cmdCopyOutput,
    chkSaveOutput,
};

inline constexpr int kMainWindowControlCount =
    static_cast<int>(MainWindowControl::chkSaveOutput) + 1;

constexpr int Index(MainWindowControl id) {
    return static_cast<int>(id);
}

// Returns the control that holds the focus target `focus`, or frmMain for None
// (and for the month window's Close, which is not on this window).
constexpr MainWindowControl ControlOfFocus(MainControl focus) {
    switch (focus) {
        case MainControl::txbFirstDate:
            return MainWindowControl::txbFirstDate;
        case MainControl::txbDateDiff:
            return MainWindowControl::txbDateDiff;
        case MainControl::txbSecondDate:
            return MainWindowControl::txbSecondDate;
        case MainControl::txbOutput:
            return MainWindowControl::txbOutput;
        case MainControl::cmdCompute:
            return MainWindowControl::cmdCompute;
        case MainControl::cmdDisplayMonth:
            return MainWindowControl::cmdDisplayMonth;
        case MainControl::cmdReset:
            return MainWindowControl::cmdReset;
        case MainControl::cmdHelp:
            return MainWindowControl::cmdHelp;
        case MainControl::cmdQuit:
            return MainWindowControl::cmdQuit;
        case MainControl::cboLanguage:
            return MainWindowControl::cboLanguage;
        case MainControl::None:
        case MainControl::cmdClose:
            break;
    }
    return MainWindowControl::frmMain;
}

// Returns the focus target of a control; None for controls the computation never
// focuses (options, check boxes, the other buttons).
constexpr MainControl FocusOfControl(MainWindowControl id) {
    for (const MainControl focus :
         {MainControl::txbFirstDate, MainControl::txbDateDiff, MainControl::txbSecondDate,
          MainControl::txbOutput, MainControl::cmdCompute, MainControl::cmdDisplayMonth,
          MainControl::cmdReset, MainControl::cmdHelp, MainControl::cmdQuit,
          MainControl::cboLanguage}) {
        if (ControlOfFocus(focus) == id) {
            return focus;
        }
    }
    return MainControl::None;
}

}  // namespace tembrel
