// The program's day counting on a work calendar: the days between two dates,
// and the date a number of days after a first date or before a second one,
// counting all days or only working days, with or without the first date.
//
// With all days counted these are plain differences. With working days only:
//
// Days between J1 and J2: the working days after the earlier date up to and
// including the later one, with the sign of J2 - J1. Counting the first date
// adds one (away from zero; +1 for the same date twice) when J1 is a working
// day.
//
// Second date from J1 and D working days: B = |D|, less one when the first
// date is counted and J1 is a working day. With w working days in a week,
// E = B div w whole weeks are jumped: J' = J1 + 7E days in the direction of D.
// The working days still to step are B less the working days inside the
// jumped weeks (the days after J1 up to J'): the weekdays of the holidays in
// them are added back, extra working days in them taken off. When nothing is
// left, the result is J' itself, which may be a weekend day when J1 is one
// (J1 is not moved to a working day first). Otherwise it is the day reached
// by stepping the rest working day by working day from J', which is the Bth
// working day from J1 (also when extra working days leave less than nothing
// to step). The steps are taken by the work calendar's arithmetic, not day by
// day. With the weekend Saturday and Sunday and no holidays, w = 5 and the
// rest is B mod 5, the program's rule: from Saturday 2008-01-05, -1 gives
// Friday 2008-01-04, -5 Saturday 2007-12-29, +5 Saturday 2008-01-12, +1 Monday
// 2008-01-07.
//
// First date from J2 and D working days: a J2 that is not a working day first
// moves back to the last working day before it; from there the same jump and
// steps go back (D > 0) or forward (D < 0) by B = |D| working days; then, when
// the first date is counted, the result moves to the next working day after it
// (D > 0) or the last one before it (D < 0).
//
// A week without any working day (w = 0) jumps nothing and steps only over the
// extra working days. Results outside kMinJDN..kMaxJDN are out of range.
#pragma once

#include <cstdint>
#include <optional>

#include "holidays/work_calendar.h"

namespace tembrel::holidays {

struct CountOptions {
    bool workingDaysOnly = false;   // count only the calendar's working days
    bool includeFirstDate = false;  // count the first date itself
};

// Returns the signed count of days from `first` to `second`; empty when the
// plain difference does not fit in 32 bits.
std::optional<int32_t> CountDaysBetween(const WorkCalendar& calendar, int32_t first, int32_t second,
                                        CountOptions options);

// Returns the second date of `first` plus `days`; empty when it would leave
// kMinJDN..kMaxJDN. A difference of 0 gives `first`, whatever the options.
std::optional<int32_t> SecondDateFrom(const WorkCalendar& calendar, int32_t first, int32_t days,
                                      CountOptions options);

// Returns the first date of `second` minus `days`; empty when it would leave
// kMinJDN..kMaxJDN. A difference of 0 gives `second`.
std::optional<int32_t> FirstDateFrom(const WorkCalendar& calendar, int32_t second, int32_t days,
                                     CountOptions options);

}  // namespace tembrel::holidays
