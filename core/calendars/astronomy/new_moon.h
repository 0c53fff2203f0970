// The moments of new moon (the Moon's conjunction with the Sun in longitude),
// by the method of Meeus, "Astronomical Algorithms", chapter 49: the mean
// lunation k (k = 0 is the new moon of 6 January 2000) and its periodic
// corrections from the anomalies of the Sun and the Moon, the Moon's argument of
// latitude and node, and fourteen planetary arguments. Good to well under a
// minute near the present, and to the accuracy of ΔT far from it.
#pragma once

#include <cstdint>

namespace tembrel::astronomy {

// Returns the moment (Julian ephemeris date) of the new moon of lunation k.
double NewMoonMoment(int64_t lunation);

// Returns the lunation whose mean new moon lies nearest a moment.
int64_t LunationNear(double julianEphemerisDate);

inline constexpr double kMeanSynodicMonth = 29.530588861;

}  // namespace tembrel::astronomy
