// What one computation is asked: the three input texts, the calendar of each
// date, the unit of the difference, every option that shapes reading, counting and
// the report, the language and today. Plain values: the window and the command
// line each fill one and hand it to Compute.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendar_codes.h"
#include "core/notation.h"
#include "text/language.h"

namespace tembrel::holidays {
struct WorkingDays;
}

namespace tembrel {

// What the difference counts.
enum class DifferenceUnit : uint8_t { Days, Months };

struct ComputeRequest {
    // The texts as typed; spaces at either end do not count. The views must
    // outlive the call.
    std::string_view firstDate;
    std::string_view difference;
    std::string_view secondDate;

    CalendarCode firstCalendar = CalendarCode::CE;
    CalendarCode secondCalendar = CalendarCode::CE;
    DifferenceUnit unit = DifferenceUnit::Days;
    // How dates and numbers are read and written: date order, separators, the
    // hyphen of ordinal and ISO week dates.
    NotationOptions notation;
    bool includeFirstDate = false;  // a day count counts the first date itself
    bool countWeekends = true;      // false: only working days count
    // The working days counted when countWeekends is false: the weekend, the
    // holidays and the extra working days. Shared and immutable; it must outlive
    // the call. Null: Saturday and Sunday off, no holidays.
    const holidays::WorkingDays* workingDays = nullptr;
    bool verbose = true;  // the report ends with notes on the counting options

    LanguageCode language = LanguageCode::English;
    // Today's day number: with all three texts empty, today is the first date.
    int32_t today = 0;
    // What ends a line of the report: CR LF in the window's output box, LF on a
    // terminal.
    std::string_view lineEnd = "\r\n";
    // The report as one line of a batch: a result out of range ends its report
    // with its "Out of Range" line, without the empty line that the output box
    // shows after it.
    bool oneLine = false;
    // False when only the report is wanted (the batch mode): the result's fields
    // then hold only what the report needed, which spares their copies.
    bool keepFields = true;
};

}  // namespace tembrel
