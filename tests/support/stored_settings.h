// The settings record as the settings file keeps it, for checks that write a
// record and read it back.
#pragma once

#include <string>

#include "settings/settings_record.h"

namespace tembrel::test_support {

// Returns the record as the writer stores it: the month display's texts as the
// two values each that select something, in each text a double quote as a
// single quote and no NUL character.
inline UserSettings AsStored(UserSettings settings) {
    settings.monthFirstDayOfWeek = settings.monthFirstDayOfWeek == "Mon" ? "Mon" : "Sun";
    settings.monthCalendar = settings.monthCalendar == "JC" ? "JC" : "CE";
    for (std::string* text :
         {&settings.firstDate, &settings.dateDiff, &settings.secondDate, &settings.output}) {
        std::string stored;
        for (const char c : *text) {
            if (c != '\0') {
                stored += c == '"' ? '\'' : c;
            }
        }
        *text = stored;
    }
    return settings;
}

}  // namespace tembrel::test_support
