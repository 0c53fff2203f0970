// Month and weekday names in every language slot.
#pragma once

#include <string_view>

#include "text/language.h"

namespace tembrel {

inline constexpr int kMonthNameRows = 24;  // 1..12 full names, 13..24 abbreviations
inline constexpr int kWeekdayCount = 7;

// Returns month name `row` in `language`: rows 1..12 are the full names January to
// December, rows 13..24 their three-letter abbreviations in the same order. A row
// outside 1..24 gives the empty text. No fallback to English.
std::string_view MonthName(int row, LanguageCode language);

// Returns the name of weekday `day` (0 = Sunday .. 6 = Saturday, the calendar
// library's numbering) in `language`; a day outside 0..6 gives the empty text.
std::string_view WeekdayName(int day, LanguageCode language);

}  // namespace tembrel
