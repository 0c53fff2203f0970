// The program's binding of the calendar library: conversions of a CalDate between
// its calendar date and its day number, the day of the week, working days and the
// day of the year. The routines that only forward to the library are inline: they
// sit on every conversion the program makes.
#pragma once

#include <cstdint>
#include <optional>

#include "core/calendar_codes.h"
#include "core/date_records.h"

namespace tembrel {

// Returns the day number of the record's year, month and day in the calendar of
// its marker: Revar Overe for 'A', the Gregorian or Julian calendar for 'G' and
// 'J'. Empty for any other marker and when the day number does not fit in 32
// bits. The record's jdn is not read.
inline std::optional<int32_t> JDNOfCalDate(const CalDate& date) {
    CalDate converted = date;  // the library writes the day number into its record
    const int32_t jdn = date.marker == kMarkerAnnusNovus ? annus_novus_date_to_jdn(&converted)
                                                         : euro_date_to_jdn(&converted);
    if (jdn == kRoroviriNoJdn) {
        return std::nullopt;
    }
    return jdn;
}

// Returns a record of the given marker for a day number with its calendar date:
// Revar Overe for marker 'A', else the Gregorian or Julian calendar of the
// marker.
inline CalDate CalDateOfJDN(int32_t jdn, char marker) {
    CalDate date{};
    date.marker = marker;
    date.jdn = jdn;
    if (marker == kMarkerAnnusNovus) {
        jdn_to_annus_novus_date(&date);
    } else {
        jdn_to_euro_date(&date);
    }
    return date;
}

// Returns the day of the week: 0 = Sunday .. 6 = Saturday.
inline int16_t DayOfWeek(int32_t jdn) {
    return static_cast<int16_t>(euro_day_of_week(jdn));
}

// Returns true for Monday to Friday.
inline bool IsWorkday(int32_t jdn) {
    const int16_t day = DayOfWeek(jdn);
    return day >= 1 && day <= 5;
}

// Returns the day of the year of the record's date in its calendar (1 January is
// day 1); 0 when the calendar library cannot convert the date.
int16_t DayOfYear(const CalDate& date);

}  // namespace tembrel
