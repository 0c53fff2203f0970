// The program's binding of the calendar library: conversions of a CalDate between
// its calendar date and its day number, the day of the week, working days and the
// day of the year. The routines that only forward to the library are inline: they
// sit on every conversion the program makes.
#pragma once

#include <cstdint>

#include "core/calendar_codes.h"
#include "core/date_records.h"

namespace tembrel {

// Sets and returns date.jdn from year, month, day and the Gregorian or Julian
// marker; kRoroviriNoJdn when the day number does not fit in 32 bits.
inline int32_t EuroDateToJDN(CalDate& date) {
    return euro_date_to_jdn(&date);
}

// Sets year, month and day from date.jdn in the calendar of the marker.
inline void JDNToEuroDate(CalDate& date) {
    jdn_to_euro_date(&date);
}

// Sets year, month (1..10) and day from date.jdn in the Revar Overe calendar.
inline void JDNToAnnusNovusDate(CalDate& date) {
    jdn_to_annus_novus_date(&date);
}

// Sets year, month and day from date.jdn: Revar Overe for marker 'A', else the
// Gregorian or Julian calendar of the marker.
inline void JDNToCalDate(CalDate& date) {
    if (date.marker == kMarkerAnnusNovus) {
        JDNToAnnusNovusDate(date);
    } else {
        JDNToEuroDate(date);
    }
}

// Sets and returns date.jdn from year, month and day in the calendar of any marker
// the library accepts ('A' included); kRoroviriNoJdn when it cannot.
inline int32_t CalDateToJDN(CalDate& date) {
    return date.marker == kMarkerAnnusNovus ? annus_novus_date_to_jdn(&date)
                                            : euro_date_to_jdn(&date);
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
// day 1).
int16_t DayOfYear(const CalDate& date);

// Sets the record's marker for a notation: CE and ORD 'G', JC 'J', AN 'A', NLW 'N',
// ISO 'I'. Returns false and leaves the record alone for every other notation.
bool SetCalendarMarker(CalendarCode cal, CalDate& date);

// Returns a record of the given marker for a day number, its calendar date filled.
inline CalDate CalDateOfJDN(int32_t jdn, char marker) {
    CalDate date{};
    date.marker = marker;
    date.jdn = jdn;
    JDNToCalDate(date);
    return date;
}

}  // namespace tembrel
