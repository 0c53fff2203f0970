#include "core/iso_week.h"

#include <cstdint>
#include <limits>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "libs/roroviri/civil_day_math.h"

namespace tembrel {

namespace {

// Returns the value as a day number, or kRoroviriNoJdn when it does not fit.
int32_t ToJDN(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() + 1 ||
        value > std::numeric_limits<int32_t>::max()) {
        return kRoroviriNoJdn;
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

int32_t GregorianNewYear(int32_t year) {
    CalDate date{};
    date.year = year;
    date.month = 1;
    date.day = 1;
    date.marker = kMarkerGregorian;
    return EuroDateToJDN(date);
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

int32_t ISOWeekOneStart(int32_t year) {
    const int32_t newYear = GregorianNewYear(year);
    if (newYear == kRoroviriNoJdn) {
        return kRoroviriNoJdn;
    }
    const int d = DayOfWeek(newYear);  // 0 = Sunday
    const int64_t start = d <= 4 ? int64_t{newYear} - (d - 1) : int64_t{newYear} + (8 - d);
    return ToJDN(start);
}

void JDNToISOWeekDate(ISOWeekDate& record) {
    const int dayOfWeek = DayOfWeek(record.jdn);
    const int weekday = dayOfWeek == 0 ? 7 : dayOfWeek;
    const int64_t thursday = int64_t{record.jdn} - weekday + 4;
    const CalDate thursdayDate = GregorianDateOf(thursday);
    record.year = thursdayDate.year;
    record.weekday = weekday;
    if (IsJDNInRange(record.jdn)) {
        // Week n of an ISO year holds the year's n-th Thursday, and its first
        // Thursday is one of its first seven days: the Thursday's day of the year
        // gives the week. This is the count of weeks from ISOWeekOneStart without
        // converting 1 January, and equals it for every day in the accepted range.
        record.week = (GregorianDayOfYear(thursdayDate) - 1) / 7 + 1;
        return;
    }
    // Beyond the accepted range the ISO year's week one may not have a 32-bit day
    // number; count from it the long way, which answers week 0 then.
    const int32_t weekOne = ISOWeekOneStart(record.year);
    // |jdn - weekOne| < 371 for every day whose ISO year converts.
    record.week = weekOne == kRoroviriNoJdn
                      ? 0
                      : static_cast<int32_t>((int64_t{record.jdn} - weekOne) / 7 + 1);
}

void ISOWeekDateToJDN(ISOWeekDate& record) {
    const int32_t weekOne = ISOWeekOneStart(record.year);
    if (weekOne == kRoroviriNoJdn) {
        record.jdn = kRoroviriNoJdn;
        return;
    }
    record.jdn =
        ToJDN(int64_t{weekOne} + (int64_t{record.week} - 1) * 7 + int64_t{record.weekday} - 1);
}

bool ISOYearHas53Weeks(int32_t year) {
    return P(year) == 4 || P(int64_t{year} - 1) == 3;
}

int32_t OrdinalToJDN(int32_t year, int32_t day) {
    const int32_t newYear = GregorianNewYear(year);
    if (newYear == kRoroviriNoJdn) {
        return kRoroviriNoJdn;
    }
    return ToJDN(int64_t{newYear} + day - 1);
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
