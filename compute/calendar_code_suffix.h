// The calendar code that follows a date in a report, shared by every writer of
// report lines.
#pragma once

#include <string>

#include "core/calendar_codes.h"
#include "core/text_appender.h"

namespace tembrel {

// Adds what follows a date's text in a report: " " and the calendar's code
// ("2008-01-15 CE"), nothing for an ordinal date ("2008-015").
inline void AppendCalendarCode(TextAppender& out, CalendarCode cal) {
    if (cal != CalendarCode::ORD) {
        out.Add(' ');
        out.Add(CalCodeText(cal));
    }
}
void AppendCalendarCode(std::string& text, CalendarCode cal);

}  // namespace tembrel
