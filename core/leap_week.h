// The leap week calendar: every year starts on a Monday and has 52 weeks, or 53 in
// a leap year (the extra week ends December). Dates are written in week form
// (year, week, weekday) or month form (year, month, day); months 1, 4, 7 and 10
// have five weeks, the others four, and December five in a leap year.
//
// Year 1, week 1, weekday 1 is JDN 1721419; 400 years hold 146097 days.
#pragma once

#include <cstdint>

#include "core/date_records.h"

namespace tembrel {

inline constexpr int32_t kLeapWeekEpochJDN = 1721419;  // year 1, week 1, Monday
inline constexpr int32_t kLeapWeekCycleDays = 146097;  // days in 400 years
inline constexpr int kLeapWeekCycleYears = 400;
inline constexpr int kLeapWeekLeapYearsPerCycle = 71;

// Status of a conversion whose day number does not fit in 32 bits (only for
// years far beyond the accepted range, as month arithmetic can produce).
inline constexpr int16_t kLeapWeekOutOfRange = -4;

// Returns true when ((71 × year + 203) mod 400) < 71, the remainder in 0..399.
bool IsLeapWeekYear(int32_t year);

// Returns 53 for a leap year, else 52.
int WeeksInLeapWeekYear(bool leap);

// Returns 371 for a leap year, else 364.
int DaysInLeapWeekYear(bool leap);

// Returns 5 for months 1, 4, 7, 10 (month mod 3 = 1) and for December of a leap
// year, else 4.
int WeeksInLeapWeekMonth(int month, bool leap);

// Returns the day number of the Monday that starts the year, as a 64-bit value so
// that every 32-bit year has one.
int64_t LeapWeekYearStart(int64_t year);

// Returns 0, or kLeapWeekBadDay when the weekday is outside 0..7. Week numbers are
// not checked: week 0 lies before week 1, weeks past the year's last run on into
// the next year.
int16_t CheckLPWDate(const LeapWeekDate& record);

// Fills year, week and weekday from record.jdn and sets status 0; constant time,
// exact for every 32-bit day number.
void JDNToLPW(LeapWeekDate& record);

// Fills record.jdn from year, week and weekday (weekday 0 is the day before
// weekday 1). Returns false with the status of CheckLPWDate, or with
// kLeapWeekOutOfRange when the day number does not fit in 32 bits.
bool LPWToJDN(LeapWeekDate& record);

// Fills month and day from year, week and weekday. Returns false with
// kLeapWeekBadDay for a weekday outside 0..7.
bool LPWToLPM(LeapWeekDate& record);

// Fills week and weekday from year, month and day. Month 0 reads as month 1 and
// day 0 as the day before the month's first. Returns false with kLeapWeekBadMonth
// for a month outside 0..12, or kLeapWeekBadDay for a day outside 0..days of month.
bool LPMToLPW(LeapWeekDate& record);

// Fills every field from record.jdn (JDNToLPW, then LPWToLPM).
void JDNToLPM(LeapWeekDate& record);

// Fills week, weekday and jdn from year, month and day (LPMToLPW, then LPWToJDN).
bool LPMToJDN(LeapWeekDate& record);

}  // namespace tembrel
