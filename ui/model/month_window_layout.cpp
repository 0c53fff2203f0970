#include "ui/model/month_window_layout.h"

#include <array>

namespace tembrel {

namespace {

using C = MonthWindowControl;
using K = ControlKind;

constexpr FontClass kFont = FontClass::Window;
constexpr ColourClass kTool = ColourClass::Toolkit;

// The weekday and calendar panels: a label over two options.
constexpr ControlPlace kCalendarFrame{2500, 105, 1800, 1065};
constexpr ControlPlace kFirstDayOfWeekFrame{4830, 105, 2745, 1065};

// The column of buttons right of the grid, one under the other.
constexpr int32_t kButtonLeft = 4830;
constexpr int32_t kButtonWidth = 3000;
constexpr int32_t kButtonHeight = 330;
constexpr ControlPlace ButtonPlace(int32_t top) {
    return {kButtonLeft, top, kButtonWidth, kButtonHeight};
}

// clang-format off
constexpr std::array kLayout = {
    MonthWindowEntry{C::fraCalendar, "fraCalendar", K::Frame, C::frmDisplayMonth, kCalendarFrame, kFont, kTool},
    MonthWindowEntry{C::fraFirstDayOfWeek, "fraFirstDayOfWeek", K::Frame, C::frmDisplayMonth, kFirstDayOfWeekFrame, kFont, kTool},
    MonthWindowEntry{C::lblYear, "lblYear", K::Label, C::frmDisplayMonth, {210, 105, 645, 330}, kFont, kTool},
    MonthWindowEntry{C::txbYear, "txbYear", K::TextBox, C::frmDisplayMonth, {840, 105, 960, 330}, kFont, kTool},
    MonthWindowEntry{C::lblMonth, "lblMonth", K::Label, C::frmDisplayMonth, {210, 630, 645, 330}, kFont, kTool},
    MonthWindowEntry{C::cboMonths, "cboMonths", K::DropDownList, C::frmDisplayMonth, {840, 630, 1400, 360}, kFont, kTool},
    MonthWindowEntry{C::lblCalendar, "lblCalendar", K::Label, C::fraCalendar, {0, 0, 1170, 330}, kFont, kTool},
    MonthWindowEntry{C::optCommonEra, "optCommonEra", K::Option, C::fraCalendar, {0, 315, 1590, 330}, kFont, kTool},
    MonthWindowEntry{C::optJulian, "optJulian", K::Option, C::fraCalendar, {0, 630, 1320, 330}, kFont, kTool},
    MonthWindowEntry{C::lblFirstDayOfWeek, "lblFirstDayOfWeek", K::Label, C::fraFirstDayOfWeek, {0, 0, 2325, 330}, kFont, kTool},
    MonthWindowEntry{C::optSunday, "optSunday", K::Option, C::fraFirstDayOfWeek, {0, 315, 1380, 330}, kFont, kTool},
    MonthWindowEntry{C::optMonday, "optMonday", K::Option, C::fraFirstDayOfWeek, {0, 630, 1275, 330}, kFont, kTool},
    MonthWindowEntry{C::txbMonth, "txbMonth", K::OutputBox, C::frmDisplayMonth, {210, 1260, 4425, 1980}, FontClass::Grid, kTool},
    MonthWindowEntry{C::cmdDisplay, "cmdDisplay", K::Button, C::frmDisplayMonth, ButtonPlace(1260), kFont, kTool},
    MonthWindowEntry{C::cmdDisplayNextMonth0, "cmdDisplayNextMonth(0)", K::Button, C::frmDisplayMonth, ButtonPlace(1680), kFont, kTool},
    MonthWindowEntry{C::cmdDisplayNextMonth1, "cmdDisplayNextMonth(1)", K::Button, C::frmDisplayMonth, ButtonPlace(2100), kFont, kTool},
    MonthWindowEntry{C::cmdCopyToClipboard, "cmdCopyToClipboard", K::Button, C::frmDisplayMonth, ButtonPlace(2520), kFont, kTool},
    MonthWindowEntry{C::cmdClose, "cmdClose", K::Button, C::frmDisplayMonth, ButtonPlace(2940), kFont, kTool},
    MonthWindowEntry{C::cmdShowHideISO, "cmdShowHideISO", K::Button, C::frmDisplayMonth, kShowHideISOPlace, kFont, kTool},
    MonthWindowEntry{C::chkWithYear, "chkWithYear", K::CheckBox, C::frmDisplayMonth, {3780, 3400, 3585, 330}, kFont, kTool},
    MonthWindowEntry{C::txbISODates, "txbISODates", K::OutputBox, C::frmDisplayMonth, kISODatesPlace, FontClass::Grid, kTool},
};
// clang-format on

// The focus targets and the controls that hold them.
struct FocusPair {
    MonthControl focus;
    MonthWindowControl control;
};

constexpr std::array kFocusPairs = {
    FocusPair{MonthControl::txbYear, C::txbYear},
    FocusPair{MonthControl::cboMonths, C::cboMonths},
    FocusPair{MonthControl::optCommonEra, C::optCommonEra},
    FocusPair{MonthControl::optJulian, C::optJulian},
    FocusPair{MonthControl::optSunday, C::optSunday},
    FocusPair{MonthControl::optMonday, C::optMonday},
    FocusPair{MonthControl::cmdDisplay, C::cmdDisplay},
    FocusPair{MonthControl::cmdDisplayNextMonth, C::cmdDisplayNextMonth0},
    FocusPair{MonthControl::cmdDisplayPreviousMonth, C::cmdDisplayNextMonth1},
    FocusPair{MonthControl::cmdCopyToClipboard, C::cmdCopyToClipboard},
    FocusPair{MonthControl::cmdClose, C::cmdClose},
    FocusPair{MonthControl::cmdShowHideISO, C::cmdShowHideISO},
    FocusPair{MonthControl::chkWithYear, C::chkWithYear},
};

}  // namespace

std::span<const MonthWindowEntry> MonthWindowLayout() {
    return kLayout;
}

const std::string& MonthWindowCaption(const MonthWindowCaptions& captions, MonthWindowControl id) {
    static const std::string kNone;
    switch (id) {
        case C::frmDisplayMonth:
            return captions.window;
        case C::lblYear:
            return captions.lblYear;
        case C::lblMonth:
            return captions.lblMonth;
        case C::lblCalendar:
            return captions.lblCalendar;
        case C::optCommonEra:
            return captions.optCommonEra;
        case C::optJulian:
            return captions.optJulian;
        case C::lblFirstDayOfWeek:
            return captions.lblFirstDayOfWeek;
        case C::optSunday:
            return captions.optSunday;
        case C::optMonday:
            return captions.optMonday;
        case C::cmdDisplay:
            return captions.cmdDisplay;
        case C::cmdDisplayNextMonth0:
            return captions.cmdDisplayNextMonth[0];
        case C::cmdDisplayNextMonth1:
            return captions.cmdDisplayNextMonth[1];
        case C::cmdCopyToClipboard:
            return captions.cmdCopyToClipboard;
        case C::cmdClose:
            return captions.cmdClose;
        case C::cmdShowHideISO:
            return captions.cmdShowHideISO;
        case C::chkWithYear:
            return captions.chkWithYear;
        case C::fraCalendar:
        case C::fraFirstDayOfWeek:
        case C::txbYear:
        case C::cboMonths:
        case C::txbMonth:
        case C::txbISODates:
            break;
    }
    return kNone;
}

MonthWindowControl ControlOfMonthFocus(MonthControl focus) {
    for (const FocusPair& pair : kFocusPairs) {
        if (pair.focus == focus) {
            return pair.control;
        }
    }
    return C::frmDisplayMonth;
}

MonthControl MonthFocusOfControl(MonthWindowControl id) {
    for (const FocusPair& pair : kFocusPairs) {
        if (pair.control == id) {
            return pair.focus;
        }
    }
    return MonthControl::None;
}

}  // namespace tembrel
