// The Persian (solar hijri) calendar (PER) as in use in Iran: the year begins
// with Farvardin on the day of the March equinox when the equinox falls before
// noon, Iran standard time (UTC+3:30, the meridian 52.5° E), and on the next day
// otherwise. Farvardin to Shahrivar (months 1..6) have 31 days, Mehr to Bahman
// (7..11) 30, Esfand (12) 29, or 30 in a leap year. Years are counted from the
// Hijra, astronomically (year 0 precedes year 1); year 1403 began
// 20 March 2024.
//
// The equinox is computed (astronomy/solar_longitude.h) for the Persian years
// -1619..2378, which begin in the Gregorian years -998..2999. Before and after
// them the years follow the 33-year arithmetic rule: a year y is a leap year
// when (25y + 11) mod 33 < 8 (the years 1, 5, 9, 13, 17, 22, 26 and 30 of every
// 33), numbered so that 1403 is one, with 1 Farvardin 1403 on 20 March 2024
// (the two rules agree on every new year from 1200 to 1500 and on 87% of those
// they share). The rules hand over in years whose new year day they agree on,
// -1619 and 2379, so every year has 365 or 366 days and every 32-bit day
// number converts both ways.
#pragma once

#include <cstdint>

#include "core/calendars/calendar_date.h"

namespace tembrel {

// The years from kFirstAstronomicalPersianYear up to (not including)
// kLastAstronomicalPersianYear begin at the equinox; both these years begin on
// the same day by the equinox and by the 33-year rule.
inline constexpr int32_t kFirstAstronomicalPersianYear = -1619;
inline constexpr int32_t kLastAstronomicalPersianYear = 2379;

// Returns the day number of 1 Farvardin of a year; any year within ±2^40.
int64_t PersianNewYear(int64_t year);

// Returns the day number of 1 Farvardin by the 33-year rule alone.
int64_t ArithmeticPersianNewYear(int64_t year);

// Returns true for a leap year (Esfand has 30 days).
bool IsPersianLeapYear(int32_t year);

// Returns the days of a month (0 for a month outside 1..12).
int PersianMonthLength(int32_t year, int32_t month);

YmdDate PersianDateOfJdn(int32_t jdn);
JdnResult PersianDateToJdn(const YmdDate& date);

}  // namespace tembrel
