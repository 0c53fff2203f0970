#include "core/calendars/astronomy/solar_longitude.h"

#include <cmath>
#include <span>

#include "core/calendars/astronomy/angles.h"
#include "core/calendars/astronomy/vsop87_earth.h"

namespace tembrel::astronomy {

namespace {

constexpr double kJ2000 = 2451545.0;

double SeriesSum(std::span<const vsop87::Term> terms, double tau) {
    double sum = 0.0;
    for (const vsop87::Term& term : terms) {
        sum += term.a * std::cos(term.b + term.c * tau);
    }
    return sum;
}

// Returns the value of a VSOP87 variable: the series of each power of τ, added
// by Horner's rule, in units of 10^-8.
double Vsop87(std::span<const std::span<const vsop87::Term>> series, double tau) {
    double sum = 0.0;
    for (size_t power = series.size(); power-- > 0;) {
        sum = sum * tau + SeriesSum(series[power], tau);
    }
    return sum * 1e-8;
}

constexpr std::span<const vsop87::Term> kLongitude[] = {vsop87::kL0, vsop87::kL1, vsop87::kL2,
                                                        vsop87::kL3, vsop87::kL4, vsop87::kL5};
constexpr std::span<const vsop87::Term> kRadius[] = {vsop87::kR0, vsop87::kR1, vsop87::kR2,
                                                     vsop87::kR3, vsop87::kR4};

double Millennia(double julianEphemerisDate) {
    return (julianEphemerisDate - kJ2000) / 365250.0;
}

}  // namespace

double SunDistance(double julianEphemerisDate) {
    return Vsop87(kRadius, Millennia(julianEphemerisDate));
}

double ApparentSolarLongitude(double julianEphemerisDate) {
    const double tau = Millennia(julianEphemerisDate);
    const double centuries = 10.0 * tau;
    // The Earth seen from the Sun, turned round: the Sun seen from the Earth.
    const double geometric = DegreesOfRadians(Vsop87(kLongitude, tau)) + 180.0;
    // To the FK5 frame.
    const double fk5 = -0.09033 / 3600.0;
    // The nutation in longitude, to half a second of arc, from the longitude of
    // the Moon's ascending node and the mean longitudes of the Sun and the Moon.
    const double node = RadiansOfDegrees(125.04452 - 1934.136261 * centuries);
    const double sun = RadiansOfDegrees(280.4665 + 36000.7698 * centuries);
    const double moon = RadiansOfDegrees(218.3165 + 481267.8813 * centuries);
    const double nutation = (-17.20 * std::sin(node) - 1.32 * std::sin(2.0 * sun) -
                             0.23 * std::sin(2.0 * moon) + 0.21 * std::sin(2.0 * node)) /
                            3600.0;
    // The aberration of light: the Sun is seen where it was 8.3 minutes before.
    const double aberration = -20.4898 / 3600.0 / Vsop87(kRadius, tau);
    return NormalizedDegrees(geometric + fk5 + nutation + aberration);
}

double SolarLongitudeMoment(double degrees, double estimate) {
    // The Sun moves 360 degrees in a tropical year, between 0.95 and 1.02
    // degrees a day; each step shrinks the error at least twenty-fold, so five
    // steps take an estimate within weeks below a millisecond.
    constexpr double kDaysPerDegree = kTropicalYearDays / 360.0;
    double moment = estimate;
    for (int step = 0; step < 5; ++step) {
        moment += kDaysPerDegree * SignedDegrees(degrees - ApparentSolarLongitude(moment));
    }
    return moment;
}

double MarchEquinoxEstimate(double year) {
    // The March equinox of 2000 and the mean tropical year.
    return 2451623.80984 + kTropicalYearDays * (year - 2000.0);
}

}  // namespace tembrel::astronomy
