// Today's date from the system clock. Nothing here keeps a date: whoever needs
// today asks once and passes the day number on, so that tests and scripts can
// pass any day they like.
#pragma once

#include <cstdint>

namespace tembrel {

// Returns the day number of the system's local date today.
int32_t SystemTodayJDN();

}  // namespace tembrel
