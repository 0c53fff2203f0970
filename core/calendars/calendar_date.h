// The records of the world's calendars and the answer of every conversion to a
// day number. A calendar of years, months and days uses YmdDate; the Maya long
// count and the Chinese calendar have records of their own (maya.h, chinese.h).
#pragma once

#include <cstdint>

namespace tembrel {

// A date of a calendar of years, months and days, in that calendar's numbering:
// astronomical years (year 0 before year 1), months and days from 1 unless the
// calendar's header says otherwise.
struct YmdDate {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;

    friend constexpr bool operator==(const YmdDate&, const YmdDate&) = default;
};

// Why a date has no day number. Every conversion to a day number checks each
// field and answers the first fault it finds.
enum class DateCheck : int8_t {
    Valid = 0,
    NoSuchMonth,      // the year has no such month (month 13 of a common Hebrew year)
    NoSuchDay,        // the month has no such day (day 30 of a 29-day month)
    NoSuchLeapMonth,  // a leap mark on a month that is not a leap month that year
    NoSuchPlace,      // a place of the Maya long count beyond its digits (uinal 18)
    NoSuchCycleYear,  // a year of a sixty-year cycle outside 1..60
    PhantomDay,       // the spreadsheet serial 60, the 29 February 1900 that never was
    OutOfRange,       // the day lies outside lngMinJDN..lngMaxJDN or the calendar's range
};

// The day number of a date, or why it has none.
struct JdnResult {
    DateCheck check = DateCheck::Valid;
    int32_t jdn = 0;  // meaningful only when check is Valid

    constexpr bool ok() const { return check == DateCheck::Valid; }
};

// Returns a refusal: `check` with no day number.
constexpr JdnResult Refused(DateCheck check) {
    return {check, 0};
}

}  // namespace tembrel
