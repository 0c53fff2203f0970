// Reading a date text of three numbers, as str_to_date does, for the library's
// C++ callers that want the day number too: it is computed for the range check
// anyway, and a caller that needs it saves computing it twice.
#pragma once

#include <cstdint>

#include "libs/roroviri/roroviri.h"

namespace roroviri {

struct DateTextReading {
    int32_t status = kStrToDateInvalid;  // kStrToDateValid, kStrToDateInvalid, kStrToDateOutOfRange
    int32_t year = 0;                    // the date and its day number, when valid
    int32_t month = 0;
    int32_t day = 0;
    int32_t jdn = 0;
};

// Reads `text` (NUL-terminated) as str_to_date reads it, in the order and the
// calendar of the marker.
DateTextReading ReadDateText(const char* text, int32_t order, int32_t marker);

}  // namespace roroviri
