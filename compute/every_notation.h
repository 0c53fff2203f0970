// One day in every notation a user can choose: the listing the `all` subcommand
// prints and the All calendars window shows, one row per listed notation, in
// the order of the table of notations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar_codes.h"
#include "core/notation.h"

namespace tembrel {

struct NotationText {
    CalendarCode code;
    // The day written in the notation, without its code; empty where the
    // notation has no date for the day (an ordinal date outside years 1..9999,
    // the Chinese and Bahá'í calendars beyond the years they are computed for).
    std::string text;
};

// Writes `jdn`, which must lie in kMinJDN..kMaxJDN, in every listed notation.
std::vector<NotationText> DayInEveryNotation(int32_t jdn, const NotationOptions& options);

}  // namespace tembrel
