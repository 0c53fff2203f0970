// The moment of sunset at a place: when the Sun's upper limb touches the
// horizon, its centre 50 minutes of arc below it (34' of refraction and 16' of
// semidiameter), from the Sun's apparent longitude, the obliquity of the
// ecliptic and the sidereal time (Meeus, "Astronomical Algorithms", chapters
// 12, 13, 15 and 22). Good to well under a minute.
#pragma once

#include <cstdint>

namespace tembrel::astronomy {

struct Place {
    double latitude;   // degrees, north positive
    double longitude;  // degrees, east positive
};

// Returns the universal time (Julian date) of sunset at a place on the civil
// day of a day number there (the sunset that follows the place's noon), for a
// place between the polar circles.
double SunsetMoment(int32_t jdn, const Place& place);

}  // namespace tembrel::astronomy
