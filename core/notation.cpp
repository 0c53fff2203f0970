#include "core/notation.h"

namespace tembrel {

bool FormatJDNInNotation(int32_t jdn, CalendarCode cal, const NotationOptions& options,
                         std::string& text) {
    if (!CanWriteInNotation(jdn, cal)) {
        return false;
    }
    text.clear();
    TextAppender out(text);
    return NotationOf(cal).append(jdn, options, out);
}

ParsedDay ParseInNotation(std::string_view text, CalendarCode cal, const NotationOptions& options) {
    return NotationOf(cal).Parse(text, options);
}

}  // namespace tembrel
