#include "compute/computation.h"
#include "compute/day_counting.h"

namespace tembrel {

namespace {

DayCountOptions CountOptions(const OptionSnapshot& options) {
    return DayCountOptions{options.intIncludeWeekends == 1, options.intIncludeFirstDate == 1};
}

}  // namespace

bool Computation::ComputeSecondDate() {
    ComputationState& state = form_.state;
    const std::optional<int32_t> second =
        SecondDateFrom(state.udtFirstDate.jdn, state.lngDateDiff, CountOptions(form_.options));
    if (!second) {
        ReportOutOfRange();
        return false;
    }
    state.udtSecondDate.jdn = *second;
    return true;
}

bool Computation::ComputeFirstDate() {
    ComputationState& state = form_.state;
    const std::optional<int32_t> first =
        FirstDateFrom(state.udtSecondDate.jdn, state.lngDateDiff, CountOptions(form_.options));
    if (!first) {
        ReportOutOfRange();
        return false;
    }
    state.udtFirstDate.jdn = *first;
    return true;
}

}  // namespace tembrel
