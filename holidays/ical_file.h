// iCalendar files (.ics) as holiday files, read with libical.
//
// What becomes a day off:
//   - an all-day event (DTSTART;VALUE=DATE), with DTEND or DURATION over
//     several days (at most ten years), and the all-day dates of its RDATEs;
//   - a yearly recurrence (RRULE:FREQ=YEARLY with at most one BYMONTH and
//     either one BYMONTHDAY or one BYDAY of the 1st to 4th or last weekday,
//     COUNT or UNTIL allowed), becoming a yearly rule from its first year;
//     such an event may last up to a month.
// Cancelled events are skipped. Everything else that changes which days an
// event covers is refused with a message that names it: events with a time of
// day, other frequencies or intervals, BYWEEKNO, BYYEARDAY, BYSETPOS, EXDATE,
// RECURRENCE-ID, non-Gregorian RSCALE. Errors give the line of the event's
// BEGIN:VEVENT.
#pragma once

#include <optional>
#include <string_view>

#include "holidays/file_error.h"
#include "holidays/user_day_files.h"

namespace tembrel::holidays {

// Reads the text of an iCalendar file; on a problem returns nothing and sets
// `error` (its file set to `fileName`).
std::optional<UserHolidays> ParseIcsFile(std::string_view bytes, std::string_view fileName,
                                         FileError& error);

}  // namespace tembrel::holidays
