#include "core/calendars/astronomy/new_moon.h"

#include <cmath>

#include "core/calendars/astronomy/angles.h"

namespace tembrel::astronomy {

namespace {

constexpr double kFirstMeanNewMoon = 2451550.09766;  // lunation 0, 6 January 2000

double Sine(double degrees) {
    return std::sin(RadiansOfDegrees(degrees));
}

// The periodic terms of a new moon: coefficient in days, power of the
// eccentricity factor E, and the multiples of M (the Sun's mean anomaly), M'
// (the Moon's), F (the Moon's argument of latitude) and Ω (its node).
struct Term {
    double days;
    int ePower;
    int m;
    int mPrime;
    int f;
    int node;
};

constexpr Term kTerms[] = {
    {-0.40720, 0, 0, 1, 0, 0}, {0.17241, 1, 1, 0, 0, 0},    {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},  {0.00739, 1, -1, 1, 0, 0},   {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},   {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0}};

// The planetary arguments A1..A14: constant and rate per lunation in degrees,
// and the coefficient in days.
struct PlanetaryTerm {
    double constant;
    double perLunation;
    double days;
};

constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {299.77, 0.107408, 0.000325},  {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
    {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
    {207.14, 2.453732, 0.000060},  {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
    {207.19, 0.121824, 0.000042},  {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
    {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023}};

}  // namespace

double NewMoonMoment(int64_t lunation) {
    const auto k = static_cast<double>(lunation);
    const double t = k / 1236.85;  // Julian centuries from J2000.0
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    double moment = kFirstMeanNewMoon + kMeanSynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 +
                    0.00000000073 * t4;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    const double mPrime =
        201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f =
        160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double node = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;
    for (const Term& term : kTerms) {
        const double eFactor = term.ePower == 0 ? 1.0 : (term.ePower == 1 ? e : e * e);
        moment += term.days * eFactor *
                  Sine(term.m * m + term.mPrime * mPrime + term.f * f + term.node * node);
    }
    for (const PlanetaryTerm& term : kPlanetaryTerms) {
        double argument = term.constant + term.perLunation * k;
        if (&term == &kPlanetaryTerms[0]) {
            argument -= 0.009173 * t2;  // A1 alone has a quadratic term
        }
        moment += term.days * Sine(argument);
    }
    return moment;
}

int64_t LunationNear(double julianEphemerisDate) {
    return static_cast<int64_t>(
        std::llround((julianEphemerisDate - kFirstMeanNewMoon) / kMeanSynodicMonth));
}

}  // namespace tembrel::astronomy
