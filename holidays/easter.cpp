#include "holidays/easter.h"

#include "holidays/civil_days.h"

namespace tembrel::holidays {

GregorianCenturyParts GregorianEasterCentury(int64_t century) {
    // The solar correction (century years that are not leap years) and the lunar
    // correction (eight days in 2500 years), as the Gregorian reform set them.
    const int64_t solar = FloorDiv(century, 4);
    const int64_t lunar = FloorDiv(century - FloorDiv(century + 8, 25) + 1, 3);
    GregorianCenturyParts parts;
    parts.leapPattern = static_cast<int32_t>(FloorMod(century, 4));
    parts.epactShift = static_cast<int32_t>(FloorMod(century - solar - lunar, 30));
    parts.goldenStart = static_cast<int32_t>(FloorMod(100 * century, 19));
    return parts;
}

int32_t GregorianEasterMarchDay(const GregorianCenturyParts& parts, int32_t yearOfCentury) {
    const int32_t golden = (parts.goldenStart + yearOfCentury) % 19;  // 0..18
    const int32_t moon = (19 * golden + parts.epactShift + 15) % 30;  // 0..29
    const int32_t weekday =
        (32 + 2 * parts.leapPattern + 2 * (yearOfCentury / 4) - moon - yearOfCentury % 4) %
        7;                                                                 // 0..6, 32 >= 29 + 3
    const int32_t correction = (golden + 11 * moon + 22 * weekday) / 451;  // 0 or 1
    return moon + weekday - 7 * correction + 22;                           // 22..56
}

int64_t WesternEaster(int64_t year) {
    const int64_t century = FloorDiv(year, 100);
    const auto yearOfCentury = static_cast<int32_t>(year - 100 * century);
    const int32_t marchDay =
        GregorianEasterMarchDay(GregorianEasterCentury(century), yearOfCentury);
    return GregorianDay(year, 3, 1) + marchDay - 1;
}

int64_t OrthodoxEasterOfJulianYear(int64_t julianYear) {
    const int64_t moon = FloorMod(19 * FloorMod(julianYear, 19) + 15, 30);
    const int64_t weekday =
        FloorMod(2 * FloorMod(julianYear, 4) + 4 * FloorMod(julianYear, 7) - moon + 34, 7);
    return JulianDay(julianYear, 3, 1) + moon + weekday + 22 - 1;
}

std::vector<int64_t> OrthodoxEastersInYear(int64_t year) {
    const int64_t first = GregorianDay(year, 1, 1);
    const int64_t next = GregorianDay(year + 1, 1, 1);
    // The Julian year holding 1 January, and the one after it, hold every Easter
    // that can fall in this Gregorian year.
    const int64_t julianYear = JulianYearOf(static_cast<int32_t>(first));
    std::vector<int64_t> easters;
    for (int64_t candidate = julianYear - 1; candidate <= julianYear + 1; ++candidate) {
        const int64_t easter = OrthodoxEasterOfJulianYear(candidate);
        if (easter >= first && easter < next) {
            easters.push_back(easter);
        }
    }
    return easters;
}

}  // namespace tembrel::holidays
