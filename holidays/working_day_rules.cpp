#include "holidays/working_day_rules.h"

#include <cstdlib>

#include "core/calendar_tables.h"

namespace tembrel::holidays {

namespace {

// Day numbers below are 64-bit: every input lies in 32 bits and a jump adds at
// most 7 times a 32-bit count, far inside the work calendar's reach.

std::optional<int32_t> InRange(std::optional<int64_t> jdn) {
    if (!jdn || !IsJDNInRange(*jdn)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(*jdn);
}

// Returns the day B working days from `start` in `direction` (+1 or -1) by the
// jump of whole weeks and the steps after it (see the header).
std::optional<int64_t> StepWorkingDays(const WorkCalendar& calendar, int64_t start, int64_t count,
                                       int direction) {
    const int64_t perWeek = calendar.weekend().WorkingDaysPerWeek();
    const int64_t weeks = perWeek > 0 ? count / perWeek : 0;
    const int64_t jumped = start + direction * 7 * weeks;
    // The working days inside the jumped weeks: after start up to jumped going
    // forward, from jumped up to before start going back.
    const int64_t passed = direction > 0 ? calendar.CountWorkingDays(start, jumped)
                                         : calendar.CountWorkingDays(jumped - 1, start - 1);
    if (count == passed) {
        return jumped;
    }
    return direction > 0 ? calendar.NthWorkingDayAfter(start, count)
                         : calendar.NthWorkingDayBefore(start, count);
}

}  // namespace

std::optional<int32_t> CountDaysBetween(const WorkCalendar& calendar, int32_t first, int32_t second,
                                        CountOptions options) {
    int32_t plain = 0;
    if (__builtin_sub_overflow(second, first, &plain)) {
        return std::nullopt;
    }
    // |count| <= |plain| < 2^31, and one more for the first date fits in 64 bits.
    int64_t count = options.workingDaysOnly ? calendar.CountWorkingDays(first, second) : plain;
    if (options.includeFirstDate && (!options.workingDaysOnly || calendar.IsWorkingDay(first))) {
        count += count >= 0 ? 1 : -1;
    }
    if (count < INT32_MIN || count > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(count);
}

std::optional<int32_t> SecondDateFrom(const WorkCalendar& calendar, int32_t first, int32_t days,
                                      CountOptions options) {
    if (days == 0) {
        return first;
    }
    const int direction = days > 0 ? 1 : -1;
    if (!options.workingDaysOnly) {
        return InRange(int64_t{first} + days - (options.includeFirstDate ? direction : 0));
    }
    int64_t count = std::llabs(int64_t{days});
    if (options.includeFirstDate && calendar.IsWorkingDay(first)) {
        --count;
    }
    return InRange(StepWorkingDays(calendar, first, count, direction));
}

std::optional<int32_t> FirstDateFrom(const WorkCalendar& calendar, int32_t second, int32_t days,
                                     CountOptions options) {
    if (days == 0) {
        return second;
    }
    const int direction = days > 0 ? 1 : -1;
    if (!options.workingDaysOnly) {
        return InRange(int64_t{second} - days + (options.includeFirstDate ? direction : 0));
    }
    std::optional<int64_t> start = int64_t{second};
    if (!calendar.IsWorkingDay(second)) {
        start = calendar.NthWorkingDayBefore(second, 1);
    }
    if (!start) {
        return std::nullopt;
    }
    std::optional<int64_t> result =
        StepWorkingDays(calendar, *start, std::llabs(int64_t{days}), -direction);
    if (result && options.includeFirstDate) {
        result = direction > 0 ? calendar.NthWorkingDayAfter(*result, 1)
                               : calendar.NthWorkingDayBefore(*result, 1);
    }
    return InRange(result);
}

}  // namespace tembrel::holidays
