// The numeric text forms of the world's calendars, over their record
// conversions:
//  - calendars of years, months and days: as the Common Era form, in the date
//    order and with the date separator of the options, day and month with two
//    digits, a negative year in parentheses after a separator (15-03-(-45)),
//    years beyond ±9999 grouped with the thousands separator unless it is the
//    date separator: 5784-07-01, 01.07.5784, 07/01/5784;
//  - the Chinese calendar: cycle and year of the cycle (in that order, the
//    "year" of the date order), month with "L" after a leap month, and day:
//    78-41-06L-15 (YMD), 15-06L-78-41 (DMY), 06L-15-78-41 (MDY);
//  - the Maya long count: baktun.katun.tun.uinal.kin, always with ".", whatever
//    the options: 13.0.12.1.15, -1.19.19.17.19.
// The readers accept what the writers write, ignore spaces and every other
// character that cannot be part of the date (so a trailing calendar code
// reads), answer Invalid for a text of another shape or a date the calendar
// does not have (month 13 of a common year), and OutOfRange for a date whose day
// lies outside kMinJDN..kMaxJDN or the calendar's range.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendars/calendar_date.h"
#include "core/calendars/chinese.h"
#include "core/calendars/maya.h"
#include "core/notation.h"
#include "core/parse_status.h"
#include "core/text_appender.h"

namespace tembrel {

// Returns the answer of a reader for the result of a conversion to a day
// number: Valid with the day, OutOfRange, or Invalid for every other refusal.
ParsedDay ParsedDayOf(const JdnResult& result);

void AppendYmdText(const YmdDate& date, const NotationOptions& options, TextAppender& out);
ParsedDay ReadYmdText(std::string_view text, const NotationOptions& options,
                      JdnResult (*toJdn)(const YmdDate&));

void AppendChineseText(const ChineseDate& date, const NotationOptions& options, TextAppender& out);
ParsedDay ReadChineseText(std::string_view text, const NotationOptions& options);

void AppendMayaText(const MayaLongCount& count, TextAppender& out);
ParsedDay ReadMayaText(std::string_view text);

}  // namespace tembrel
