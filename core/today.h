// Today's date from the system clock, or from a fixed date that tests and the
// command line's reproducible runs set.
#pragma once

#include <cstdint>

#include "core/calendar_codes.h"

namespace tembrel {

// A calendar date of the Gregorian calendar.
struct LocalDate {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
};

// Returns the day number of today's local date.
int32_t TodayJDN();

// Returns the day of the week of today, 0 = Sunday; for AN the weekday the
// calendar library gives for today's Revar Overe date.
int16_t TodayDayOfWeek(CalendarCode cal);

// Makes TodayJDN answer a fixed date until UseSystemToday is called.
void SetFixedToday(const LocalDate& date);

// Makes TodayJDN read the system clock again.
void UseSystemToday();

// Fixes today for the lifetime of the object and restores the previous source
// afterwards (for tests).
class ScopedToday {
  public:
    explicit ScopedToday(const LocalDate& date);
    ~ScopedToday();
    ScopedToday(const ScopedToday&) = delete;
    ScopedToday& operator=(const ScopedToday&) = delete;

  private:
    bool hadFixed_;
    LocalDate previous_;
};

}  // namespace tembrel
