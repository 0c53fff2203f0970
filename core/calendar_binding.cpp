#include "core/calendar_binding.h"

namespace tembrel {

int16_t DayOfYear(const CalDate& date) {
    CalDate newYear = date;
    newYear.month = 1;
    newYear.day = 1;
    const std::optional<int32_t> first = JDNOfCalDate(newYear);
    const std::optional<int32_t> current = JDNOfCalDate(date);
    // Both lie in the same year, so the difference is below 400 whenever both
    // converted; a failed conversion gives 0.
    if (!first || !current) {
        return 0;
    }
    return static_cast<int16_t>(int64_t{*current} - *first + 1);
}

}  // namespace tembrel
