// The program's binding of the calendar library: conversions of a CalDate between
// its calendar date and its day number, the day of the week, working days and the
// day of the year.
#pragma once

#include <cstdint>

#include "core/calendar_codes.h"
#include "core/date_records.h"

namespace tembrel {

// Sets and returns date.jdn from year, month, day and the Gregorian or Julian
// marker; kRoroviriNoJdn when the day number does not fit in 32 bits.
int32_t EuroDateToJDN(CalDate& date);

// Sets year, month and day from date.jdn in the calendar of the marker.
void JDNToEuroDate(CalDate& date);

// Sets year, month (1..10) and day from date.jdn in the Revar Overe calendar.
void JDNToAnnusNovusDate(CalDate& date);

// Sets year, month and day from date.jdn: Revar Overe for marker 'A', else the
// Gregorian or Julian calendar of the marker.
void JDNToCalDate(CalDate& date);

// Sets and returns date.jdn from year, month and day in the calendar of any marker
// the library accepts ('A' included); kRoroviriNoJdn when it cannot.
int32_t CalDateToJDN(CalDate& date);

// Returns the day of the week: 0 = Sunday .. 6 = Saturday.
int16_t DayOfWeek(int32_t jdn);

// Returns true for Monday to Friday.
bool IsWorkday(int32_t jdn);

// Returns the day of the year of the record's date in its calendar (1 January is
// day 1).
int16_t DayOfYear(const CalDate& date);

// Sets the record's marker for a notation: CE and ORD 'G', JC 'J', AN 'A', NLW 'N',
// ISO 'I'. Returns false and leaves the record alone for JDN, LPW and LPM.
bool SetCalendarMarker(CalendarCode cal, CalDate& date);

// Returns a record of the given marker for a day number, its calendar date filled.
CalDate CalDateOfJDN(int32_t jdn, char marker);

}  // namespace tembrel
