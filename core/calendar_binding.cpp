#include "core/calendar_binding.h"

namespace tembrel {

int16_t DayOfYear(const CalDate& date) {
    CalDate day = date;
    CalDate newYear = date;
    newYear.month = 1;
    newYear.day = 1;
    const int64_t first = CalDateToJDN(newYear);
    const int64_t current = CalDateToJDN(day);
    // Both lie in the same year, so the difference is below 400 whenever both
    // converted; a failed conversion gives 0.
    if (first == kRoroviriNoJdn || current == kRoroviriNoJdn) {
        return 0;
    }
    return static_cast<int16_t>(current - first + 1);
}

bool SetCalendarMarker(CalendarCode cal, CalDate& date) {
    switch (cal) {
        case CalendarCode::CE:
        case CalendarCode::ORD:
            date.marker = kMarkerGregorian;
            return true;
        case CalendarCode::JC:
            date.marker = kMarkerJulian;
            return true;
        case CalendarCode::AN:
            date.marker = kMarkerAnnusNovus;
            return true;
        case CalendarCode::NLW:
            date.marker = kMarkerLibraryLeapWeek;
            return true;
        case CalendarCode::ISO:
            date.marker = kMarkerISOWeek;
            return true;
        default:
            return false;  // no calendar of the library
    }
}

}  // namespace tembrel
