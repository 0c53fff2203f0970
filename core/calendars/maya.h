// The Maya long count (MAY): the days since the creation date 0.0.0.0.0, which
// is 11 August -3113 (Gregorian), JDN 584283 (the Goodman-Martinez-Thompson
// correlation). Written baktun.katun.tun.uinal.kin: a kin is a day, a uinal 20
// kin, a tun 18 uinal (360 days), a katun 20 tun, a baktun 20 katun (144000
// days). The baktun count is unbounded and negative before the creation date
// (-1.19.19.17.19 is its eve). Exact both ways for every 32-bit day number.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

inline constexpr int32_t kMayaEpochJdn = 584283;

struct MayaLongCount {
    int32_t baktun = 0;  // any
    int32_t katun = 0;   // 0..19
    int32_t tun = 0;     // 0..19
    int32_t uinal = 0;   // 0..17
    int32_t kin = 0;     // 0..19

    friend constexpr bool operator==(const MayaLongCount&, const MayaLongCount&) = default;
};

MayaLongCount MayaLongCountOfJdn(int32_t jdn);

// Checks each place (NoSuchPlace) and returns the day number.
JdnResult MayaLongCountToJdn(const MayaLongCount& count);

}  // namespace tembrel
