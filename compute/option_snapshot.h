// The user's options as the Compute command read them from the main window. Taken
// afresh at every Compute and read by the operations; starts zero, false and
// empty.
#pragma once

#include <cstdint>
#include <string>

#include "core/calendar_codes.h"

namespace tembrel {

struct OptionSnapshot {
    // The three date-order option buttons; exactly one is set after a Compute.
    bool blnDateFormatIsYMD = false;
    bool blnDateFormatIsDMY = false;
    bool blnDateFormatIsMDY = false;
    CalendarCode intFirstCal = CalendarCode::CE;   // calendar of the first date
    CalendarCode intSecondCal = CalendarCode::CE;  // calendar of the second date
    int16_t intIncludeFirstDate = 0;               // 0 or 1: count the first date in a difference
    int16_t intIncludeWeekends = 0;                // 0 or 1: count weekend days in a difference
    int16_t intVerbose = 0;                        // 0 or 1: add the breakdown to the report
    int16_t intHyphen = 0;                         // 0 or 1: hyphen in ordinal and ISO week dates
    // True when a lone date is converted into its own calendar.
    bool blnNoDateDiffandSameCal = false;
    // The validated date texts with their calendar code, as the report shows them.
    std::string strFirstDateWithCal;
    std::string strSecondDateWithCal;
};

}  // namespace tembrel
