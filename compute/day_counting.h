// Counting days between two day numbers and stepping a day number by a count of
// days, optionally counting only working days (Monday to Friday) and optionally
// counting the first date itself.
//
// The count between two dates takes the days after the earlier date up to and
// including the later one; its sign says which date is later. Counting the first
// date adds that date too when it is counted at all (a working day, or any day
// when weekends count).
//
// Stepping a first date by working days passes that many working days: after it
// going forwards, before it going back. The first date itself is not moved to a
// working day first, so from a Saturday one working day back is the Friday before
// it, and five forwards the next Saturday (whole weeks of five working days are
// seven days). A second date on a weekend is moved back to the Friday before it
// before the first date is found. The days-between count counts the days after
// the first date, so it need not give a working-day difference back when the
// first date falls on a weekend. Whole weeks are handled arithmetically, so no
// routine looks at more than a dozen single days, whatever the count.
#pragma once

#include <cstdint>
#include <optional>

namespace tembrel {

struct DayCountOptions {
    bool includeWeekends = true;    // count Saturdays and Sundays too
    bool includeFirstDate = false;  // count the first date itself
};

// Returns the signed count of days from `first` to `second`; empty when the
// plain difference does not fit in 32 bits.
std::optional<int32_t> CountDaysBetween(int32_t first, int32_t second, DayCountOptions options);

namespace day_counting {
// The steps of SecondDateFrom and FirstDateFrom for a difference other than 0.
std::optional<int32_t> StepForward(int32_t first, int32_t days, DayCountOptions options);
std::optional<int32_t> StepBack(int32_t second, int32_t days, DayCountOptions options);
}  // namespace day_counting

// Returns the second date of `first` plus `days`; empty when it would leave
// kMinJDN..kMaxJDN. A difference of 0 gives `first` itself, whatever the
// options: inline, because every lone date converted asks for it, and an
// optional returned from a call comes back through memory, which stalls the
// processor.
inline std::optional<int32_t> SecondDateFrom(int32_t first, int32_t days, DayCountOptions options) {
    if (days == 0) {
        return first;
    }
    return day_counting::StepForward(first, days, options);
}

// Returns the first date of `second` minus `days`; empty when it would leave
// kMinJDN..kMaxJDN. A difference of 0 gives `second` itself.
inline std::optional<int32_t> FirstDateFrom(int32_t second, int32_t days, DayCountOptions options) {
    if (days == 0) {
        return second;
    }
    return day_counting::StepBack(second, days, options);
}

}  // namespace tembrel
