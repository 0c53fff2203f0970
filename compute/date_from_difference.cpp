// A date from the other date and a difference in days.
#include "compute/computation.h"
#include "compute/day_counting.h"

namespace tembrel::engine {

bool Computation::ComputeDateFrom(DateField given) {
    const DayCountOptions options{request_.countWeekends, request_.includeFirstDate};
    const std::optional<int32_t> other = given == DateField::First
                                             ? SecondDateFrom(first_.jdn, dateDiff_, options)
                                             : FirstDateFrom(second_.jdn, dateDiff_, options);
    if (!other) {
        ReportOutOfRange();
        return false;
    }
    const DateField otherField = given == DateField::First ? DateField::Second : DateField::First;
    Date(otherField).jdn = *other;
    MarkDate(otherField);
    return true;
}

}  // namespace tembrel::engine
