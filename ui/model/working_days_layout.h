// The working days dialog's controls and its layout table (twips): the days
// of the weekend on the left; the region, the user's holiday files and files of
// extra working days on the right; OK and Cancel at the bottom.
#pragma once

#include <cstdint>
#include <span>

#include "ui/model/layout_table.h"

namespace tembrel {

enum class WorkingDaysControl : int16_t {
    frmWorkingDays,  // the dialog itself
    lblWeekendDays,
    chkWeekday0,  // Monday
    chkWeekday1,
    chkWeekday2,
    chkWeekday3,
    chkWeekday4,
    chkWeekday5,
    chkWeekday6,  // Sunday
    lblPublicHolidays,
    cboRegion,
    lblHolidayFiles,
    lstHolidayFiles,
    cmdAddHolidayFile,
    cmdRemoveHolidayFile,
    lblWorkdayFiles,
    lstWorkdayFiles,
    cmdAddWorkdayFile,
    cmdRemoveWorkdayFile,
    cmdOK,
    cmdCancel,
};

inline constexpr int kWorkingDaysControlCount = static_cast<int>(WorkingDaysControl::cmdCancel) + 1;

using WorkingDaysEntry = ControlEntry<WorkingDaysControl>;

inline constexpr int32_t kWorkingDaysClientWidth = 9000;
inline constexpr int32_t kWorkingDaysClientHeight = 4350;

// Returns the check box of a day of the week, Monday (0) to Sunday (6).
constexpr WorkingDaysControl WeekdayCheckBox(int mondayFirst) {
    return static_cast<WorkingDaysControl>(static_cast<int>(WorkingDaysControl::chkWeekday0) +
                                           mondayFirst);
}

// Returns the table, every control once, in the order of the keyboard's Tab.
std::span<const WorkingDaysEntry> WorkingDaysLayout();

}  // namespace tembrel
