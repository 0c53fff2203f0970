// Easter Sunday by the two computuses in use: the Gregorian one of the Western
// churches and the Julian one of the Orthodox churches, both as day numbers.
//
// Both are the published arithmetic rules, extended to every year of the
// tables (negative years by floor division), so they are periodic as the rules
// are: the Gregorian date repeats after 5,700,000 years, the Julian one after
// 532 Julian years.
#pragma once

#include <cstdint>
#include <vector>

namespace tembrel::holidays {

// What the Gregorian computus takes from the century (year div 100): the
// weekday pattern of its years, the correction of the epact and where the
// 19-year lunar cycle stands at its first year. Two centuries with equal parts
// have Easter on the same day of March in every pair of years with the same
// year of the century.
struct GregorianCenturyParts {
    int32_t leapPattern = 0;  // century mod 4: 0 when the century year is a leap year
    int32_t epactShift = 0;   // 0..29
    int32_t goldenStart = 0;  // 0..18, (100 × century) mod 19

    // Returns a number below 4 × 30 × 19 = 2280 that identifies the parts.
    int32_t Key() const { return (leapPattern * 30 + epactShift) * 19 + goldenStart; }
};

// Returns the century parts of the Gregorian computus for a century (year div
// 100, rounded toward minus infinity).
GregorianCenturyParts GregorianEasterCentury(int64_t century);

// Returns the day of March of Easter Sunday (22 = 22 March .. 56 = 25 April) of
// the year `yearOfCentury` (0..99) of a century with the given parts.
int32_t GregorianEasterMarchDay(const GregorianCenturyParts& parts, int32_t yearOfCentury);

// Returns the day number of Western Easter Sunday of a Gregorian year;
// |year| <= kMaxCivilYearMagnitude.
int64_t WesternEaster(int64_t year);

// Returns the day number of Easter Sunday by the Julian computus in a Julian
// calendar year (the Orthodox Easter of that year); |year| <=
// kMaxCivilYearMagnitude.
int64_t OrthodoxEasterOfJulianYear(int64_t julianYear);

// Returns the Orthodox Easter Sundays that fall in a Gregorian year, in order:
// one in every year of our era, none or two in some years tens of thousands of
// years away, where the Julian calendar has drifted by a whole season or more.
std::vector<int64_t> OrthodoxEastersInYear(int64_t year);

}  // namespace tembrel::holidays
