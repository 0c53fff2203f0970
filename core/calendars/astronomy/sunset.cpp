#include "core/calendars/astronomy/sunset.h"

#include <cmath>

#include "core/calendars/astronomy/angles.h"
#include "core/calendars/astronomy/delta_t.h"
#include "core/calendars/astronomy/solar_longitude.h"

namespace tembrel::astronomy {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kSunsetAltitude = -50.0 / 60.0;  // degrees
constexpr double kSiderealDegreesPerDay = 360.98564736629;

// Returns Greenwich mean sidereal time in degrees at a universal time.
double GreenwichSiderealTime(double julianDate) {
    const double t = (julianDate - kJ2000) / 36525.0;
    return NormalizedDegrees(280.46061837 + kSiderealDegreesPerDay * (julianDate - kJ2000) +
                             0.000387933 * t * t - t * t * t / 38710000.0);
}

// Returns the mean obliquity of the ecliptic in degrees.
double Obliquity(double julianEphemerisDate) {
    const double t = (julianEphemerisDate - kJ2000) / 36525.0;
    return 23.4392911 - 0.0130042 * t - 1.64e-7 * t * t + 5.04e-7 * t * t * t;
}

}  // namespace

double SunsetMoment(int32_t jdn, const Place& place) {
    // Start at the place's mean noon and step to the moment at which the Sun's
    // hour angle equals that of sunset; the Sun's position changes little in a
    // quarter of a day, so three steps give it to a fraction of a second.
    double moment = jdn - place.longitude / 360.0;
    const double latitude = RadiansOfDegrees(place.latitude);
    for (int step = 0; step < 3; ++step) {
        const double ephemeris = TerrestrialFromUniversal(moment);
        const double longitude = RadiansOfDegrees(ApparentSolarLongitude(ephemeris));
        const double obliquity = RadiansOfDegrees(Obliquity(ephemeris));
        const double rightAscension = DegreesOfRadians(
            std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude)));
        const double declination = std::asin(std::sin(obliquity) * std::sin(longitude));
        const double sunsetHourAngle =
            DegreesOfRadians(std::acos((std::sin(RadiansOfDegrees(kSunsetAltitude)) -
                                        std::sin(latitude) * std::sin(declination)) /
                                       (std::cos(latitude) * std::cos(declination))));
        const double hourAngle = GreenwichSiderealTime(moment) + place.longitude - rightAscension;
        moment += SignedDegrees(sunsetHourAngle - hourAngle) / kSiderealDegreesPerDay;
    }
    return moment;
}

}  // namespace tembrel::astronomy
