// Angle helpers of the astronomy.
#pragma once

#include <cmath>
#include <numbers>

namespace tembrel::astronomy {

constexpr double RadiansOfDegrees(double degrees) {
    return degrees * (std::numbers::pi / 180.0);
}

constexpr double DegreesOfRadians(double radians) {
    return radians * (180.0 / std::numbers::pi);
}

// Returns an angle in degrees brought into 0 <= a < 360.
inline double NormalizedDegrees(double degrees) {
    const double normalized = degrees - 360.0 * std::floor(degrees / 360.0);
    return normalized >= 360.0 ? 0.0 : normalized;
}

// Returns an angle in degrees brought into -180 <= a < 180.
inline double SignedDegrees(double degrees) {
    return NormalizedDegrees(degrees + 180.0) - 180.0;
}

}  // namespace tembrel::astronomy
