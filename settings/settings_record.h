// The values the user settings file holds between runs, one member per value of
// its 15 lines, exactly as they are stored. The record knows no controls: the
// main window collects it at exit and applies it at start-up, mapping the stored
// numbers onto its options with the routines of settings_values.h.
#pragma once

#include <cstdint>
#include <string>

namespace tembrel {

// Stored numbers are kept as read, also when they name no option (a date order
// of 7, a calendar of 99): the main window decides what such a value selects.
struct UserSettings {
    // Line 1: intLanguage (0 English, 1 German).
    int32_t language = 0;
    // Line 2: date order (MDY 0, DMY 1, YMD 2), the character codes of the date
    // separator (45 "-", 46 ".", 47 "/") and of the thousands separator (44 ",",
    // 46 ".", 0 none).
    int32_t dateOrder = 2;
    int32_t dateSeparator = 45;
    int32_t thousandsSeparator = 44;
    // Line 3: intTodayCal and the first and second date calendars (CalendarCode).
    int32_t todayCalendar = 0;
    int32_t firstDateCalendar = 0;
    int32_t secondDateCalendar = 0;
    // Lines 4 to 8: the check boxes.
    int32_t chkIncludeFirstDate = 0;
    int32_t chkIncludeWeekends = 1;
    int32_t chkVerbose = 1;
    int32_t chkHyphen = 1;
    int32_t chkSaveOutput = 1;
    // Lines 9 and 10: the month display's options as texts; exactly "Mon" means
    // weeks beginning on Monday and exactly "JC" the Julian calendar.
    std::string monthFirstDayOfWeek = "Sun";
    std::string monthCalendar = "CE";
    // Lines 11 to 14: the three input fields and the output box (empty unless
    // "Save results on quit" was set at exit). The output's lines end in CR LF.
    std::string firstDate;
    std::string dateDiff;
    std::string secondDate;
    std::string output;
    // Line 15: the difference unit (0 days, 1 months).
    int32_t differenceUnit = 0;

    bool operator==(const UserSettings&) const = default;
};

// Returns the record SetDefaultSettings puts in force: English, year month day,
// "-", ",", CE everywhere, days, include first date clear, the other four check
// boxes set, Sunday and Common Era, empty fields and output.
inline UserSettings DefaultUserSettings() {
    return UserSettings{};
}

}  // namespace tembrel
