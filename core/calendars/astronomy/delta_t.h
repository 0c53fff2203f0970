// ΔT, the difference between terrestrial (dynamical) time, in which the
// positions of the Sun and the Moon are computed, and universal time, which
// follows the Earth's rotation and so the civil day: ΔT = TT - UT.
//
// The values are the polynomial expressions of Espenak and Meeus (NASA, "Five
// Millennium Canon of Solar Eclipses", 2006), fitted to the historical record
// of Morrison and Stephenson for -500..1600 and to observations since; before
// -500 and after 2150 the long-term parabola -20 + 32 u² (u in centuries from
// 1820). Far from the present ΔT is uncertain: about ±4 minutes at year 0 and
// ±10 minutes at -1000.
#pragma once

namespace tembrel::astronomy {

// Returns ΔT in seconds for a year with fraction (2000.5 is 1 July 2000).
double DeltaTSeconds(double year);

// Returns the year with fraction of a Julian date (any time scale).
constexpr double YearOfJulianDate(double julianDate) {
    return 2000.0 + (julianDate - 2451545.0) / 365.2425;
}

// Returns the terrestrial time (Julian ephemeris date) of a universal time, and
// the reverse.
double TerrestrialFromUniversal(double julianDate);
double UniversalFromTerrestrial(double julianEphemerisDate);

}  // namespace tembrel::astronomy
