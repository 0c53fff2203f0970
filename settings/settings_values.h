// What the numbers of the settings file select, and the numbers stored for the
// current choices. The file keeps whatever number it was given; these routines
// decide what a number outside its set means, the same way for every caller.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendar_codes.h"
#include "text/language.h"

namespace tembrel {

// Line 1: 1 selects German; every other number English (the language list has
// no entry for the other slots).
LanguageCode LanguageFromSetting(int32_t stored);

// Line 2, first value: 0 selects month day year, 1 day month year, every other
// number year month day.
DateOrder DateOrderFromSetting(int32_t stored);

// Line 2, second value: 46 selects ".", 47 "/", every other number "-".
std::string_view DateSeparatorFromSetting(int32_t stored);

// Line 2, third value: 0 selects no thousands separator (the empty text), 46
// ".", every other number ",".
std::string_view ThousandsSeparatorFromSetting(int32_t stored);

// Returns the number stored for a separator: the code of its first character,
// or 0 for the empty text (no thousands separator).
int32_t SeparatorSetting(std::string_view separator);

// Line 3, second and third values: JC, ISO, JDN, ORD, LPW and LPM select that
// option of a date field's calendar group; every other number (also AN and NLW,
// which no option shows) selects CE.
CalendarCode FieldCalendarFromSetting(int32_t stored);

// Line 3, first value: a calendar of the today labels' cycle (CE, ISO, JC, ORD,
// LPM, LPW, JDN); every other number gives CE, so that the labels always have a
// notation to write today's date in.
CalendarCode TodayCalendarFromSetting(int32_t stored);

// Lines 4 to 8: 1 sets the check box, every other number clears it (a check box
// of ours is never greyed).
int16_t CheckFromSetting(int32_t stored);

// Line 15: 1 selects months, every other number days.
bool MonthsFromSetting(int32_t stored);

}  // namespace tembrel
