#include "compute/day_counting.h"

#include <cstdlib>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"

namespace tembrel {

namespace {

// Day numbers below are 64-bit: every input lies in 32 bits and every step adds
// at most a few times a 32-bit count, far from the 64-bit limits.
bool IsWorkdayAt(int64_t jdn) {
    // Weekdays repeat every 7 days; fold the day into 32 bits first.
    return IsWorkday(static_cast<int32_t>(jdn % 7));
}

std::optional<int32_t> InRange(int64_t jdn) {
    if (!IsJDNInRange(jdn)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(jdn);
}

std::optional<int32_t> In32Bits(int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

// Steps from `start` one day at a time in `direction` (+1 or -1) until `workdays`
// working days have been passed; `workdays` is at most 4.
int64_t StepWorkdays(int64_t start, int64_t workdays, int direction) {
    int64_t n = start;
    while (workdays >= 1) {
        n += direction;
        if (IsWorkdayAt(n)) {
            --workdays;
        }
    }
    return n;
}

// Moves back from a Saturday or Sunday to the Friday before it.
int64_t BackToWorkday(int64_t jdn) {
    while (!IsWorkdayAt(jdn)) {
        --jdn;
    }
    return jdn;
}

}  // namespace

std::optional<int32_t> CountDaysBetween(int32_t first, int32_t second, DayCountOptions options) {
    int32_t plain = 0;
    if (__builtin_sub_overflow(second, first, &plain)) {
        return std::nullopt;
    }
    int64_t d = plain;
    if (!options.includeWeekends) {
        // Each whole week holds exactly two weekend days; the leftover days, at most
        // six, are those at the start of the range after the earlier date.
        const int64_t weeks = std::llabs(d) / 7;
        if (d > 0) {
            d -= 2 * weeks;
            for (int64_t i = int64_t{first} + 1; i <= int64_t{second} - 7 * weeks; ++i) {
                d -= IsWorkdayAt(i) ? 0 : 1;
            }
        } else {
            d += 2 * weeks;
            for (int64_t i = int64_t{second} + 1; i <= int64_t{first} - 7 * weeks; ++i) {
                d += IsWorkdayAt(i) ? 0 : 1;
            }
        }
    }
    if (options.includeFirstDate && (options.includeWeekends || IsWorkday(first))) {
        d += d >= 0 ? 1 : -1;
    }
    return In32Bits(d);
}

namespace day_counting {

std::optional<int32_t> StepForward(int32_t first, int32_t days, DayCountOptions options) {
    const int direction = days > 0 ? 1 : -1;
    if (options.includeWeekends) {
        int64_t second = int64_t{first} + days;
        if (options.includeFirstDate) {
            second -= direction;
        }
        return InRange(second);
    }
    int64_t count = std::llabs(int64_t{days});
    if (options.includeFirstDate && IsWorkday(first)) {
        --count;
    }
    const int64_t weeks = count / 5;
    const int64_t rest = count - 5 * weeks;
    // The first date is not moved to a working day first, in either direction: from
    // a Saturday, one working day back is the Friday before it, and when the whole
    // weeks use up the count the result is the same weekday 7 days per 5 working
    // days away.
    return InRange(StepWorkdays(first, rest, direction) + direction * 7 * weeks);
}

std::optional<int32_t> StepBack(int32_t second, int32_t days, DayCountOptions options) {
    const int direction = days > 0 ? 1 : -1;
    if (options.includeWeekends) {
        int64_t first = int64_t{second} - days;
        if (options.includeFirstDate) {
            first += direction;
        }
        return InRange(first);
    }
    const int64_t count = std::llabs(int64_t{days});
    const int64_t weeks = count / 5;
    const int64_t rest = count - 5 * weeks;
    const int64_t n = StepWorkdays(BackToWorkday(second), rest, -direction);
    int64_t first = n - direction * 7 * weeks;
    if (options.includeFirstDate) {
        // The first date counts itself: move to the next working day after it
        // (going forwards) or the last one before it (going back).
        do {
            first += direction;
        } while (!IsWorkdayAt(first));
    }
    return InRange(first);
}

}  // namespace day_counting

}  // namespace tembrel
