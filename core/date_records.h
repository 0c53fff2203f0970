// The date records: CalDate (shared with the calendar library), ISOWeekDate and
// LeapWeekDate. Every record carries the Julian day number of its date, the pivot
// of every conversion.
#pragma once

#include <cstdint>

#include "libs/roroviri/roroviri.h"

namespace tembrel {

// CalDate is the calendar library's record: year, month, day, marker, jdn, spare.
using ::CalDate;
static_assert(sizeof(CalDate) == 24, "the library record is six 32-bit fields");

// An ISO 8601 week date.
struct ISOWeekDate {
    int32_t year = 0;     // ISO week-numbering year
    int32_t week = 0;     // 1..53
    int32_t weekday = 0;  // 1 = Monday .. 7 = Sunday
    int32_t jdn = 0;
};

// A date of the leap week calendar in both its forms; a conversion fills the
// form it computes and says so in its name.
struct LeapWeekDate {
    int32_t year = 0;
    int16_t month = 0;    // 1..12 (month form)
    int16_t day = 0;      // 1..35, day of the month (month form)
    int16_t week = 0;     // 1..53 (week form)
    int16_t weekday = 0;  // 1 = Monday .. 7 = Sunday (week form)
    int32_t jdn = 0;
};

}  // namespace tembrel
