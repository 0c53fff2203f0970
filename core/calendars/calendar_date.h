// The records of the world's calendars and the answer of every conversion to a
// day number. A calendar of years, months and days uses YmdDate; the Maya long
// count and the Chinese calendar have records of their own (maya.h, chinese.h).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

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

// Returns a date of a calendar of years, months and days. The conversions
// return their dates through it: GCC returns a YmdDate in two registers, the
// first holding year and month, and assembles that one in memory from two
// 32-bit stores, which the processor cannot forward to the 64-bit load that
// follows; the stall costs about a third of a conversion. Built with shifts,
// the register needs no memory.
constexpr YmdDate MakeYmdDate(int64_t year, int32_t month, int32_t day) {
    if constexpr (std::endian::native == std::endian::little) {
        if (!std::is_constant_evaluated()) {
            const uint64_t yearAndMonth =
                static_cast<uint32_t>(year) | uint64_t{static_cast<uint32_t>(month)} << 32;
            YmdDate date;
            std::memcpy(static_cast<void*>(&date), &yearAndMonth, sizeof yearAndMonth);
            date.day = day;
            return date;
        }
    }
    return {static_cast<int32_t>(year), month, day};
}
static_assert(sizeof(YmdDate) == 12 && offsetof(YmdDate, month) == 4);

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
    OutOfRange,       // the day lies outside kMinJDN..kMaxJDN or the calendar's range
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
