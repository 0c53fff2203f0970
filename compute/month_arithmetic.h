// Adding calendar months to a date, in the Common Era, Julian or leap week
// calendar.
#pragma once

#include <cstdint>

#include "core/date_records.h"

namespace tembrel {

// Moves `source` by `months` calendar months into `target` (a copy of source with
// year, month, day and jdn changed). A day beyond the new month's last day becomes
// that last day (31 January plus one month is 28 or 29 February). With
// `leapWeek` the year, month and day are a leap week month date; otherwise they
// are in the calendar of the record's marker. Returns false when the result lies
// outside kMinJDN..kMaxJDN or cannot be converted at all.
bool AddMonths(const CalDate& source, int32_t months, CalDate& target, bool leapWeek);

}  // namespace tembrel
