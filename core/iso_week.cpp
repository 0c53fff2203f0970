#include "core/iso_week.h"

#include <cstdint>
#include <limits>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "libs/roroviri/civil_day_math.h"

namespace tembrel {

namespace {

// Returns the value as a day number, or nothing when it does not fit; the
// smallest 32-bit value is the calendar library's "no day", never a day.
std::optional<int32_t> ToJDN(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() + 1 ||
        value > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

// Returns the Gregorian date of a day number; a day beyond 32 bits (only at the
// very ends of the range) is clamped to the 32-bit limit, which lies in the same
// year for every day the program accepts.
CalDate GregorianDateOf(int64_t jdn) {
    if (jdn > std::numeric_limits<int32_t>::max()) {
        jdn = std::numeric_limits<int32_t>::max();
    } else if (jdn < std::numeric_limits<int32_t>::min()) {
        jdn = std::numeric_limits<int32_t>::min();
    }
    // The library's arithmetic inlined: every week date written passes here.
    const roroviri::math::CivilDate civil =
        roroviri::math::GregorianDateOfJdn(static_cast<int32_t>(jdn));
    CalDate date{};
    date.year = civil.year;
    date.month = civil.month;
    date.day = civil.day;
    date.marker = kMarkerGregorian;
    date.jdn = static_cast<int32_t>(jdn);
    return date;
}

// Returns the day of the year of a Gregorian date whose month is 1..12
// (1 January is day 1).
int32_t GregorianDayOfYear(const CalDate& date) {
    static constexpr int32_t kDaysBeforeMonth[12] = {0,   31,  59,  90,  120, 151,
                                                     181, 212, 243, 273, 304, 334};
    const bool leapDayBefore = date.month > 2 && IsLeapYear(date.year, "G");
    return kDaysBeforeMonth[date.month - 1] + date.day + (leapDayBefore ? 1 : 0);
}

// Returns the day number of 1 January of a Gregorian year, or nothing when it
// has none in 32 bits. The library's arithmetic inlined, as in GregorianDateOf:
// every week date read passes here.
std::optional<int32_t> GregorianNewYear(int32_t year) {
    if (!roroviri::math::IsYearInArithmeticRange(year)) {
        return std::nullopt;
    }
    return ToJDN(roroviri::math::GregorianMonthStart(year, 1));
}

// p(y) of the 53-week rule: y + y/4 - y/100 + y/400 with floor division, mod 7.
int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

int FloorMod7(int64_t value) {
    return static_cast<int>(value - 7 * FloorDiv(value, 7));
}

int P(int64_t y) {
    return FloorMod7(y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400));
}

}  // namespace

std::optional<int32_t> ISOWeekOneStart(int32_t year) {
    const std::optional<int32_t> newYear = GregorianNewYear(year);
    if (!newYear) {
        return std::nullopt;
    }
    const int d = DayOfWeek(*newYear);  // 0 = Sunday
    const int64_t start = d <= 4 ? int64_t{*newYear} - (d - 1) : int64_t{*newYear} + (8 - d);
    return ToJDN(start);
}

ISOWeekDate ISOWeekDateOf(int32_t jdn) {
    const int dayOfWeek = DayOfWeek(jdn);
    const int weekday = dayOfWeek == 0 ? 7 : dayOfWeek;
    const int64_t thursday = int64_t{jdn} - weekday + 4;
    const CalDate thursdayDate = GregorianDateOf(thursday);
    ISOWeekDate date;
    date.year = thursdayDate.year;
    date.weekday = weekday;
    date.jdn = jdn;
    if (IsJDNInRange(jdn)) {
        // Week n of an ISO year holds the year's n-th Thursday, and its first
        // Thursday is one of its first seven days: the Thursday's day of the year
        // gives the week. This is the count of weeks from ISOWeekOneStart without
        // converting 1 January, and equals it for every day in the accepted range.
        date.week = (GregorianDayOfYear(thursdayDate) - 1) / 7 + 1;
        return date;
    }
    // Beyond the accepted range the ISO year's week one may not have a 32-bit day
    // number; count from it the long way, which answers week 0 then.
    const std::optional<int32_t> weekOne = ISOWeekOneStart(date.year);
    // |jdn - weekOne| < 371 for every day whose ISO year converts.
    date.week = weekOne ? static_cast<int32_t>((int64_t{jdn} - *weekOne) / 7 + 1) : 0;
    return date;
}

std::optional<int32_t> JDNOfISOWeekDate(const ISOWeekDate& date) {
    const std::optional<int32_t> weekOne = ISOWeekOneStart(date.year);
    if (!weekOne) {
        return std::nullopt;
    }
    return ToJDN(int64_t{*weekOne} + (int64_t{date.week} - 1) * 7 + int64_t{date.weekday} - 1);
}

bool ISOYearHas53Weeks(int32_t year) {
    return P(year) == 4 || P(int64_t{year} - 1) == 3;
}

std::optional<int32_t> OrdinalToJDN(int32_t year, int32_t day) {
    const std::optional<int32_t> newYear = GregorianNewYear(year);
    if (!newYear) {
        return std::nullopt;
    }
    return ToJDN(int64_t{*newYear} + day - 1);
}

bool IsLeapYear(int32_t year, std::string_view marker) {
    if (year % 4 != 0) {
        return false;
    }
    const bool julian = !marker.empty() && (marker.front() == 'J' || marker.front() == 'j');
    if (year % 100 == 0 && year % 400 != 0) {
        return julian;
    }
    return true;
}

}  // namespace tembrel
