#include "core/calendar_binding.h"

namespace tembrel {

int32_t EuroDateToJDN(CalDate& date) {
    return euro_date_to_jdn(&date);
}

void JDNToEuroDate(CalDate& date) {
    jdn_to_euro_date(&date);
}

void JDNToAnnusNovusDate(CalDate& date) {
    jdn_to_annus_novus_date(&date);
}

void JDNToCalDate(CalDate& date) {
    if (date.marker == kMarkerAnnusNovus) {
        JDNToAnnusNovusDate(date);
    } else {
        JDNToEuroDate(date);
    }
}

int32_t CalDateToJDN(CalDate& date) {
    return date.marker == kMarkerAnnusNovus ? annus_novus_date_to_jdn(&date)
                                            : euro_date_to_jdn(&date);
}

int16_t DayOfWeek(int32_t jdn) {
    return static_cast<int16_t>(euro_day_of_week(jdn));
}

bool IsWorkday(int32_t jdn) {
    const int16_t day = DayOfWeek(jdn);
    return day >= 1 && day <= 5;
}

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
        case CalendarCode::JDN:
        case CalendarCode::LPW:
        case CalendarCode::LPM:
            return false;
    }
    return false;
}

CalDate CalDateOfJDN(int32_t jdn, char marker) {
    CalDate date{};
    date.marker = marker;
    date.jdn = jdn;
    JDNToCalDate(date);
    return date;
}

}  // namespace tembrel
