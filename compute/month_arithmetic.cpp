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
    int32_t flag = kDiffValid;
    const int16_t length = DaysInMonthOf(target, flag);
    return flag == kDiffValid ? length : 0;
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
    if (leapWeek) {
        LeapWeekDate date;
        date.year = target.year;
        date.month = static_cast<int16_t>(target.month);
        date.day = static_cast<int16_t>(target.day);
        if (!LPMToJDN(date)) {
            return false;
        }
        target.jdn = date.jdn;
    } else {
        EuroDateToJDN(target);
    }
    return IsJDNInRange(target.jdn);
}

}  // namespace tembrel
