// A date from the other date and a difference in days.
#include "compute/computation.h"

namespace tembrel::engine {

bool Computation::ComputeDateFrom(DateField given) {
    const DateField otherField = given == DateField::First ? DateField::Second : DateField::First;
    // A lone date converted is the date itself: no call, whatever the options,
    // since every conversion comes this way.
    std::optional<int32_t> other = Date(given).jdn;
    if (dateDiff_ != 0) {
        const holidays::WorkCalendar& calendar = *WorkingDays().calendar;
        other = given == DateField::First
                    ? holidays::SecondDateFrom(calendar, first_.jdn, dateDiff_, CountOptions())
                    : holidays::FirstDateFrom(calendar, second_.jdn, dateDiff_, CountOptions());
    }
    if (!other) {
        ReportOutOfRange();
        return false;
    }
    Date(otherField).jdn = *other;
    MarkDate(otherField);
    return true;
}

}  // namespace tembrel::engine
