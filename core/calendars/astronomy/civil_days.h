// The link between moments (Julian dates of universal time) and the civil days
// of a place whose clocks keep a fixed offset from universal time, and the span
// of years over which the calendars rely on the astronomy.
#pragma once

#include <cmath>
#include <cstdint>

namespace tembrel::astronomy {

// The Gregorian years for which the astronomical calendars compute the Sun and
// the Moon. Beyond them the uncertainty of the Earth's rotation (ΔT, over ten
// minutes before -1000) and the truncation of the series make a day boundary
// guesswork: the Chinese and Bahá'í calendars answer "out of range" there and
// the Persian calendar follows its arithmetic rule.
inline constexpr int32_t kFirstAstronomicalYear = -1000;
inline constexpr int32_t kLastAstronomicalYear = 3000;

// Returns the day number of the civil day, in a zone `zoneHours` east of
// Greenwich, that holds a moment.
inline int32_t DayOfMoment(double universalTime, double zoneHours) {
    return static_cast<int32_t>(std::floor(universalTime + zoneHours / 24.0 + 0.5));
}

// Returns the moment (universal time) at which a civil day begins in such a zone.
constexpr double StartOfDay(int32_t jdn, double zoneHours) {
    return jdn - 0.5 - zoneHours / 24.0;
}

}  // namespace tembrel::astronomy
