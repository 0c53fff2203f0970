// Date records for tests.
#pragma once

#include <cstdint>

#include "core/calendar_binding.h"

namespace tembrel::test_support {

// Returns a record of year, month and day in the calendar of `marker`, with its
// day number filled in ('G', 'J' and 'A'; other markers leave kRoroviriNoJdn).
inline CalDate MakeDate(int32_t year, int32_t month, int32_t day, char marker = kMarkerGregorian) {
    CalDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.marker = marker;
    date.jdn = JDNOfCalDate(date).value_or(kRoroviriNoJdn);
    return date;
}

// Returns the day number of a Gregorian date.
inline int32_t GregorianJDN(int32_t year, int32_t month, int32_t day) {
    return MakeDate(year, month, day).jdn;
}

}  // namespace tembrel::test_support
