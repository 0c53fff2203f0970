// The number of days between two dates.
#include <limits>
#include <optional>

#include "libs/roroviri/calendar_rules.h"
#include "libs/roroviri/civil_day_math.h"
#include "libs/roroviri/roroviri.h"

namespace {

// Returns the date's 32-bit day number, or empty when it has none.
std::optional<int64_t> JdnOf(const CalDate* date) {
    if (date == nullptr) {
        return std::nullopt;
    }
    const int64_t jdn = roroviri::DayNumberOf(date->marker, date->year, date->month, date->day);
    if (!roroviri::math::FitsJdn(jdn)) {
        return std::nullopt;
    }
    return jdn;
}

}  // namespace

extern "C" {

int32_t days_elapsed(const CalDate* later, const CalDate* earlier, int32_t* error) {
    const std::optional<int64_t> laterJdn = JdnOf(later);
    const std::optional<int64_t> earlierJdn = JdnOf(earlier);
    if (laterJdn && earlierJdn) {
        const int64_t days = *laterJdn - *earlierJdn;  // |days| < 2^32
        if (days >= std::numeric_limits<int32_t>::min() &&
            days <= std::numeric_limits<int32_t>::max()) {
            return static_cast<int32_t>(days);
        }
    }
    if (error != nullptr) {
        *error = 1;
    }
    return 0;
}

}  // extern "C"
