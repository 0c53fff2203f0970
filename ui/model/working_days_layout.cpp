#include "ui/model/working_days_layout.h"

#include <array>

namespace tembrel {

namespace {

using C = WorkingDaysControl;
using K = ControlKind;

constexpr FontClass kFont = FontClass::Window;
constexpr ColourClass kTool = ColourClass::Toolkit;
constexpr C kDialog = C::frmWorkingDays;

// The weekend's check boxes, one under the other.
constexpr ControlPlace WeekdayPlace(int mondayFirst) {
    return {210, 480 + 330 * mondayFirst, 2280, 300};
}

// The right half: labels and lists 2700 from the left, their buttons beside
// the lists.
constexpr int32_t kListLeft = 2700;
constexpr int32_t kListWidth = 4560;
constexpr int32_t kButtonLeft = 7410;
constexpr int32_t kButtonWidth = 1410;
constexpr int32_t kButtonHeight = 345;

// clang-format off
constexpr std::array kLayout = {
    WorkingDaysEntry{C::lblWeekendDays, "lblWeekendDays", K::Label, kDialog, {210, 150, 2280, 300}, kFont, kTool},
    WorkingDaysEntry{C::chkWeekday0, "chkWeekday(0)", K::CheckBox, kDialog, WeekdayPlace(0), kFont, kTool},
    WorkingDaysEntry{C::chkWeekday1, "chkWeekday(1)", K::CheckBox, kDialog, WeekdayPlace(1), kFont, kTool},
    WorkingDaysEntry{C::chkWeekday2, "chkWeekday(2)", K::CheckBox, kDialog, WeekdayPlace(2), kFont, kTool},
    WorkingDaysEntry{C::chkWeekday3, "chkWeekday(3)", K::CheckBox, kDialog, WeekdayPlace(3), kFont, kTool},
    WorkingDaysEntry{C::chkWeekday4, "chkWeekday(4)", K::CheckBox, kDialog, WeekdayPlace(4), kFont, kTool},
    WorkingDaysEntry{C::chkWeekday5, "chkWeekday(5)", K::CheckBox, kDialog, WeekdayPlace(5), kFont, kTool},
    WorkingDaysEntry{C::chkWeekday6, "chkWeekday(6)", K::CheckBox, kDialog, WeekdayPlace(6), kFont, kTool},
    WorkingDaysEntry{C::lblPublicHolidays, "lblPublicHolidays", K::Label, kDialog, {kListLeft, 150, 6120, 300}, kFont, kTool},
    WorkingDaysEntry{C::cboRegion, "cboRegion", K::DropDownList, kDialog, {kListLeft, 450, 6120, 360}, kFont, kTool},
    WorkingDaysEntry{C::lblHolidayFiles, "lblHolidayFiles", K::Label, kDialog, {kListLeft, 960, 6120, 300}, kFont, kTool},
    WorkingDaysEntry{C::lstHolidayFiles, "lstHolidayFiles", K::ListBox, kDialog, {kListLeft, 1260, kListWidth, 945}, kFont, kTool},
    WorkingDaysEntry{C::cmdAddHolidayFile, "cmdAddHolidayFile", K::Button, kDialog, {kButtonLeft, 1260, kButtonWidth, kButtonHeight}, kFont, kTool},
    WorkingDaysEntry{C::cmdRemoveHolidayFile, "cmdRemoveHolidayFile", K::Button, kDialog, {kButtonLeft, 1680, kButtonWidth, kButtonHeight}, kFont, kTool},
    WorkingDaysEntry{C::lblWorkdayFiles, "lblWorkdayFiles", K::Label, kDialog, {kListLeft, 2355, 6120, 300}, kFont, kTool},
    WorkingDaysEntry{C::lstWorkdayFiles, "lstWorkdayFiles", K::ListBox, kDialog, {kListLeft, 2655, kListWidth, 945}, kFont, kTool},
    WorkingDaysEntry{C::cmdAddWorkdayFile, "cmdAddWorkdayFile", K::Button, kDialog, {kButtonLeft, 2655, kButtonWidth, kButtonHeight}, kFont, kTool},
    WorkingDaysEntry{C::cmdRemoveWorkdayFile, "cmdRemoveWorkdayFile", K::Button, kDialog, {kButtonLeft, 3075, kButtonWidth, kButtonHeight}, kFont, kTool},
    WorkingDaysEntry{C::cmdOK, "cmdOK", K::Button, kDialog, {5910, 3840, kButtonWidth, kButtonHeight}, kFont, kTool},
    WorkingDaysEntry{C::cmdCancel, "cmdCancel", K::Button, kDialog, {kButtonLeft, 3840, kButtonWidth, kButtonHeight}, kFont, kTool},
};
// clang-format on

static_assert(kLayout.size() == kWorkingDaysControlCount - 1, "every control but the dialog once");

}  // namespace

std::span<const WorkingDaysEntry> WorkingDaysLayout() {
    return kLayout;
}

}  // namespace tembrel
