#include "ui/model/main_layout.h"

#include <array>

namespace tembrel {

namespace {

using C = MainWindowControl;
using K = ControlKind;
using F = FontClass;

constexpr ColourClass kBack = ColourClass::Background;
constexpr ColourClass kLink = ColourClass::Link;
constexpr ColourClass kTool = ColourClass::Toolkit;

// Frames come first in each container, so that a desktop window that stacks
// later controls above earlier ones draws every control above the frames it
// overlaps (Frame5 lies on the date entry panel, the Second -> First button on
// the top edge of Frame1).
// clang-format off
constexpr std::array kLayout = {
    // Top level: the three panels, the days/months pair, the right-hand column.
    MainControlEntry{C::Frame4, "Frame4", K::Frame, C::frmMain, {105, 105, 8805, 1260}, F::Window, kBack},
    MainControlEntry{C::Frame3, "Frame3", K::Frame, C::frmMain, {105, 1365, 8800, 3675}, F::Window, kBack},
    MainControlEntry{C::Frame5, "Frame5", K::Frame, C::frmMain, {4620, 1680, 1100, 540}, F::Window, kBack},
    MainControlEntry{C::Frame6, "Frame6", K::Frame, C::frmMain, {105, 5100, 11265, 2400}, F::Window, kBack},
    MainControlEntry{C::cboLanguage, "cboLanguage", K::DropDownList, C::frmMain, {9450, 105, 1695, 360}, F::Window, kTool},
    MainControlEntry{C::chkHyphen, "chkHyphen", K::CheckBox, C::frmMain, {8805, 500, 2460, 600}, F::Window, kBack},
    MainControlEntry{C::chkVerbose, "chkVerbose", K::CheckBox, C::frmMain, {8805, 1100, 2460, 255}, F::Window, kBack},
    MainControlEntry{C::lblTodaysDate, "lblTodaysDate", K::Label, C::frmMain, {8925, 1430, 2430, 495}, F::Window, kBack},
    MainControlEntry{C::lblWeekFromToday, "lblWeekFromToday", K::Label, C::frmMain, {8925, 1900, 2430, 495}, F::Window, kBack},
    MainControlEntry{C::lblCopyright, "lblCopyright", K::Label, C::frmMain, {9375, 2500, 1900, 225}, F::Panel, kBack, true},
    MainControlEntry{C::lblNorvaneSystems, "lblNorvaneSystems", K::LinkLabel, C::frmMain, {9375, 2700, 1905, 225}, F::Link, kLink, true},
    MainControlEntry{C::cmdCompute, "cmdCompute", K::Button, C::frmMain, {9375, 3000, 1900, 330}, F::Window, kTool},
    MainControlEntry{C::cmdDisplayMonth, "cmdDisplayMonth", K::Button, C::frmMain, {9375, 3400, 1900, 330}, F::Window, kTool},
    MainControlEntry{C::cmdReset, "cmdReset", K::Button, C::frmMain, {9375, 3800, 1900, 330}, F::Window, kTool},
    MainControlEntry{C::cmdHelp, "cmdHelp", K::Button, C::frmMain, {9375, 4200, 1900, 330}, F::Window, kTool},
    MainControlEntry{C::cmdQuit, "cmdQuit", K::Button, C::frmMain, {9375, 4600, 1900, 330}, F::Window, kTool},
    // Options panel.
    MainControlEntry{C::lblDateFormat, "lblDateFormat", K::Label, C::Frame4, {0, 0, 2565, 255}, F::Panel, kBack},
    MainControlEntry{C::frmDateFormat, "frmDateFormat", K::Frame, C::Frame4, {2700, 0, 6105, 330}, F::Panel, kBack},
    MainControlEntry{C::lblDateSeparator, "lblDateSeparator", K::Label, C::Frame4, {0, 315, 2565, 255}, F::Panel, kBack},
    MainControlEntry{C::frmDateSeparator, "frmDateSeparator", K::Frame, C::Frame4, {2700, 315, 6105, 330}, F::Panel, kBack},
    MainControlEntry{C::lblThousandsSeparator, "lblThousandsSeparator", K::Label, C::Frame4, {0, 630, 2565, 255}, F::Panel, kBack},
    MainControlEntry{C::optThousSepIsComma, "optThousSepIsComma", K::Option, C::Frame4, {2700, 630, 1455, 255}, F::Panel, kBack},
    MainControlEntry{C::optThousSepIsDot, "optThousSepIsDot", K::Option, C::Frame4, {4550, 630, 1335, 255}, F::Panel, kBack},
    MainControlEntry{C::optThousSepNone, "optThousSepNone", K::Option, C::Frame4, {6400, 630, 825, 255}, F::Panel, kBack},
    MainControlEntry{C::chkIncludeFirstDate, "chkIncludeFirstDate", K::CheckBox, C::Frame4, {0, 945, 4110, 255}, F::Panel, kBack},
    MainControlEntry{C::chkIncludeWeekends, "chkIncludeWeekends", K::CheckBox, C::Frame4, {4150, 945, 4635, 255}, F::Panel, kBack},
    // The working days dialog's button stands at the right end of the panel
    // (chkHyphen begins 120 to the right of the panel's end), over the end of
    // chkIncludeWeekends' caption; optThousSepNone is as wide as its caption.
    MainControlEntry{C::cmdWorkingDays, "cmdWorkingDays", K::Button, C::Frame4, {7245, 630, 1395, 255}, F::Panel, kTool},
    MainControlEntry{C::optDateFormatIsYMD, "optDateFormatIsYMD", K::Option, C::frmDateFormat, {0, 0, 1875, 255}, F::Panel, kBack},
    MainControlEntry{C::optDateFormatIsDMY, "optDateFormatIsDMY", K::Option, C::frmDateFormat, {1850, 0, 1725, 255}, F::Panel, kBack},
    MainControlEntry{C::optDateFormatIsMDY, "optDateFormatIsMDY", K::Option, C::frmDateFormat, {3700, 0, 1800, 255}, F::Panel, kBack},
    MainControlEntry{C::optSeparatorIsDash, "optSeparatorIsDash", K::Option, C::frmDateSeparator, {0, 0, 1590, 255}, F::Panel, kBack},
    MainControlEntry{C::optSeparatorIsDot, "optSeparatorIsDot", K::Option, C::frmDateSeparator, {1850, 0, 1590, 255}, F::Panel, kBack},
    MainControlEntry{C::optSeparatorIsSlash, "optSeparatorIsSlash", K::Option, C::frmDateSeparator, {3700, 0, 1590, 255}, F::Panel, kBack},
    // The days/months pair, on the window's font.
    MainControlEntry{C::optDays, "optDays", K::Option, C::Frame5, {0, 25, 1100, 255}, F::Window, kBack},
    MainControlEntry{C::optMonths, "optMonths", K::Option, C::Frame5, {0, 290, 1100, 255}, F::Window, kBack},
    // Date entry panel.
    MainControlEntry{C::Frame1, "Frame1", K::Frame, C::Frame3, {0, 1170, 5160, 2430}, F::Panel, kBack},
    MainControlEntry{C::Frame2, "Frame2", K::Frame, C::Frame3, {5250, 1170, 3600, 2430}, F::Panel, kBack},
    MainControlEntry{C::lblFirstDate, "lblFirstDate", K::Label, C::Frame3, {0, 105, 1395, 255}, F::Panel, kBack},
    MainControlEntry{C::cmdToday0, "cmdToday(0)", K::Button, C::Frame3, {1560, 105, 855, 255}, F::Panel, kTool},
    MainControlEntry{C::lblDateDifference, "lblDateDifference", K::Label, C::Frame3, {2940, 105, 2310, 255}, F::Panel, kBack},
    MainControlEntry{C::lblSecondDate, "lblSecondDate", K::Label, C::Frame3, {5670, 105, 1530, 255}, F::Panel, kBack},
    MainControlEntry{C::cmdToday1, "cmdToday(1)", K::Button, C::Frame3, {7230, 105, 855, 255}, F::Panel, kTool},
    MainControlEntry{C::txbFirstDate, "txbFirstDate", K::TextBox, C::Frame3, {0, 420, 2450, 360}, F::Panel, kTool},
    MainControlEntry{C::VScroll0, "VScroll(0)", K::Spinner, C::Frame3, {2520, 420, 225, 360}, F::Panel, kTool},
    MainControlEntry{C::txbDateDiff, "txbDateDiff", K::TextBox, C::Frame3, {2940, 420, 1560, 360}, F::Panel, kTool},
    MainControlEntry{C::txbSecondDate, "txbSecondDate", K::TextBox, C::Frame3, {5670, 420, 2450, 360}, F::Panel, kTool},
    MainControlEntry{C::VScroll1, "VScroll(1)", K::Spinner, C::Frame3, {8190, 420, 225, 360}, F::Panel, kTool},
    MainControlEntry{C::cmdClearFirstDate, "cmdClearFirstDate", K::Button, C::Frame3, {1430, 840, 1000, 255}, F::Panel, kTool},
    MainControlEntry{C::cmdClearDateDiff, "cmdClearDateDiff", K::Button, C::Frame3, {3480, 840, 1000, 255}, F::Panel, kTool},
    MainControlEntry{C::cmdClearSecondDate, "cmdClearSecondDate", K::Button, C::Frame3, {7095, 840, 1000, 255}, F::Panel, kTool},
    MainControlEntry{C::cmdMoveSecondDateToFirst, "cmdMoveSecondDateToFirst", K::Button, C::Frame3, {2940, 1155, 2000, 255}, F::Panel, kTool},
    // Under the first date, left of its Clear button: the first date in every notation.
    MainControlEntry{C::cmdAllCalendars, "cmdAllCalendars", K::Button, C::Frame3, {0, 840, 1380, 255}, F::Panel, kTool},
    // First date calendar group.
    MainControlEntry{C::lblThisIsA0, "lblThisIsA(0)", K::Label, C::Frame1, {0, 0, 1170, 225}, F::Panel, kBack},
    MainControlEntry{C::optFirstDateIsCE, "optFirstDateIsCE", K::Option, C::Frame1, {0, 300, 3015, 255}, F::Panel, kBack},
    MainControlEntry{C::optFirstDateIsISO, "optFirstDateIsISO", K::Option, C::Frame1, {0, 600, 3375, 255}, F::Panel, kBack},
    MainControlEntry{C::optFirstDateIsJC, "optFirstDateIsJC", K::Option, C::Frame1, {0, 900, 3405, 255}, F::Panel, kBack},
    MainControlEntry{C::optFirstDateIsORD, "optFirstDateIsORD", K::Option, C::Frame1, {0, 1200, 2625, 255}, F::Panel, kBack},
    MainControlEntry{C::optFirstDateIsLPM, "optFirstDateIsLPM", K::Option, C::Frame1, {0, 1500, 5055, 255}, F::Panel, kBack},
    MainControlEntry{C::optFirstDateIsLPW, "optFirstDateIsLPW", K::Option, C::Frame1, {0, 1800, 4950, 255}, F::Panel, kBack},
    MainControlEntry{C::optFirstDateIsJDN, "optFirstDateIsJDN", K::Option, C::Frame1, {0, 2100, 3045, 255}, F::Panel, kBack},
    MainControlEntry{C::lblOnlineDocumentation, "lblOnlineDocumentation", K::LinkLabel, C::Frame1, {3045, 315, 1800, 330}, F::Link, kLink, true},
    // Second date calendar group.
    MainControlEntry{C::lblThisIsA1, "lblThisIsA(1)", K::Label, C::Frame2, {0, 0, 1170, 225}, F::Panel, kBack},
    MainControlEntry{C::optSecondDateIsCE, "optSecondDateIsCE", K::Option, C::Frame2, {0, 300, 3270, 255}, F::Panel, kBack},
    MainControlEntry{C::optSecondDateIsISO, "optSecondDateIsISO", K::Option, C::Frame2, {0, 600, 4200, 255}, F::Panel, kBack},
    MainControlEntry{C::optSecondDateIsJC, "optSecondDateIsJC", K::Option, C::Frame2, {0, 900, 3375, 255}, F::Panel, kBack},
    MainControlEntry{C::optSecondDateIsORD, "optSecondDateIsORD", K::Option, C::Frame2, {0, 1200, 3465, 255}, F::Panel, kBack},
    MainControlEntry{C::optSecondDateIsLPM, "optSecondDateIsLPM", K::Option, C::Frame2, {0, 1500, 4000, 255}, F::Panel, kBack},
    MainControlEntry{C::optSecondDateIsLPW, "optSecondDateIsLPW", K::Option, C::Frame2, {0, 1800, 4000, 255}, F::Panel, kBack},
    MainControlEntry{C::optSecondDateIsJDN, "optSecondDateIsJDN", K::Option, C::Frame2, {0, 2100, 3465, 255}, F::Panel, kBack},
    // Output panel.
    MainControlEntry{C::txbOutput, "txbOutput", K::OutputBox, C::Frame6, {105, 0, 11080, 1905}, F::Output, kTool},
    MainControlEntry{C::cmdClearOutputWindow, "cmdClearOutputWindow", K::Button, C::Frame6, {105, 2030, 1000, 330}, F::Panel, kTool},
    MainControlEntry{C::cmdEnlarge, "cmdEnlarge", K::Button, C::Frame6, {1260, 2030, 1530, 330}, F::Panel, kTool},
    MainControlEntry{C::cmdCopyOutput, "cmdCopyOutput", K::Button, C::Frame6, {2940, 2030, 3900, 330}, F::Panel, kTool},
    MainControlEntry{C::chkSaveOutput, "chkSaveOutput", K::CheckBox, C::Frame6, {7350, 2030, 3390, 255}, F::Panel, kBack},
};
// clang-format on

static_assert(kLayout.size() == kMainWindowControlCount - 1, "every control but the window once");

}  // namespace

std::span<const MainControlEntry> MainWindowLayout() {
    return kLayout;
}

const MainControlEntry* MainControlOf(MainWindowControl id) {
    return FindControl(MainWindowLayout(), id);
}

}  // namespace tembrel
