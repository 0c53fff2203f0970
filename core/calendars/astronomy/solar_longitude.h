// The Sun's apparent geocentric longitude, and the moments at which it reaches
// a given value (the equinoxes, the solstices and the solar terms of the
// Chinese calendar), computed from the Earth's position in VSOP87
// (vsop87_earth.h) with the corrections of Meeus, "Astronomical Algorithms",
// chapter 25: to the FK5 frame, for the nutation in longitude and for the
// aberration of light. Good to about a second of arc, some 25 seconds of time,
// over the years the calendars use (-1000..3000).
#pragma once

namespace tembrel::astronomy {

// Returns the Sun's apparent longitude in degrees, 0 <= λ < 360, at a Julian
// ephemeris date (terrestrial time).
double ApparentSolarLongitude(double julianEphemerisDate);

// Returns the Sun's distance from the Earth in astronomical units.
double SunDistance(double julianEphemerisDate);

// Returns the moment (Julian ephemeris date) at which the Sun's apparent
// longitude equals `degrees`, the one nearest `estimate` (which must lie within
// a few weeks of it).
double SolarLongitudeMoment(double degrees, double estimate);

// Returns an estimate, within about a day, of the moment of the March equinox
// of a Gregorian year (Julian ephemeris date).
double MarchEquinoxEstimate(double year);

inline constexpr double kTropicalYearDays = 365.2422;

}  // namespace tembrel::astronomy
