#include "compute/calendar_code_suffix.h"

namespace tembrel {

void AppendCalendarCode(std::string& text, CalendarCode cal) {
    TextAppender out(text);
    AppendCalendarCode(out, cal);
}

}  // namespace tembrel
