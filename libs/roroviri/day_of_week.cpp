// The day of the week of a day number.
#include <cstdint>

#include "libs/roroviri/roroviri.h"

extern "C" {

int32_t euro_day_of_week(int32_t jdn) {
    // JDN 0 was a Monday, so jdn + 1 counts from a Sunday. Adding 7 × 2^31 keeps
    // the value positive for every 32-bit day number without moving the weekday.
    const auto sinceSunday = static_cast<uint64_t>(int64_t{jdn} + 1 + 7 * (int64_t{1} << 31));
    return static_cast<int32_t>(sinceSunday % 7);
}

}  // extern "C"
