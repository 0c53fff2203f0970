#include "compute/month_arithmetic.h"

#include "core/calendar_binding.h"
#include "core/calendar_differences.h"
#include "core/calendar_tables.h"
#include "core/leap_week.h"

namespace tembrel {

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Returns the length of the target's month, or 0 when it cannot be computed.
int MonthLength(const CalDate& target, bool leapWeek) {
    if (leapWeek) {
        return 7 * WeeksInLeapWeekMonth(target.month, IsLeapWeekYear(target.year));
    }
    return DaysInMonthOf(target).value_or(0);
}

// Returns the day number of a leap week month date held in a CalDate.
std::optional<int32_t> LeapWeekDayOf(const CalDate& target) {
    LeapWeekDate date;
    date.year = target.year;
    date.month = static_cast<int16_t>(target.month);
    date.day = static_cast<int16_t>(target.day);
    const ParsedDay day = JDNOfLPMDate(date);
    if (!day.ok()) {
        return std::nullopt;
    }
    return day.jdn;
}

}  // namespace

bool AddMonths(const CalDate& source, int32_t months, CalDate& target, bool leapWeek) {
    target = source;
    if (months == 0) {
        return true;
    }
    // A leap week month of 0 reads as month 1.
    const int64_t sourceMonth = leapWeek && source.month == 0 ? 1 : source.month;
    const int64_t monthIndex = sourceMonth - 1 + months;  // |value| < 2^32
    const int64_t year = int64_t{source.year} + FloorDiv(monthIndex, 12);
    if (year < INT32_MIN || year > INT32_MAX) {
        return false;
    }
    target.year = static_cast<int32_t>(year);
    target.month = static_cast<int32_t>(monthIndex - 12 * FloorDiv(monthIndex, 12) + 1);
    const int length = MonthLength(target, leapWeek);
    if (length == 0) {
        return false;
    }
    if (target.day > length) {
        target.day = length;
    }
    const std::optional<int32_t> jdn = leapWeek ? LeapWeekDayOf(target) : JDNOfCalDate(target);
    if (!jdn || !IsJDNInRange(*jdn)) {
        return false;
    }
    target.jdn = *jdn;
    return true;
}

}  // namespace tembrel
