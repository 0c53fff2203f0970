// Gregorian and Julian dates to day numbers and back.
#include "libs/roroviri/calendar_rules.h"
#include "libs/roroviri/civil_day_math.h"
#include "libs/roroviri/roroviri.h"

namespace roroviri {

// Checked once here rather than in every file that includes the arithmetic.
static_assert(math::YearOfCenturyProductHolds());

}  // namespace roroviri

extern "C" {

int32_t euro_date_to_jdn(CalDate* date) {
    if (date == nullptr) {
        return kRoroviriNoJdn;
    }
    const int64_t jdn = roroviri::EuroDayNumber(date->marker, date->year, date->month, date->day);
    date->jdn = roroviri::math::FitsJdn(jdn) ? static_cast<int32_t>(jdn) : kRoroviriNoJdn;
    return date->jdn;
}

int32_t jdn_to_euro_date(CalDate* date) {
    if (date == nullptr) {
        return -1;
    }
    roroviri::math::CivilDate civil{};
    switch (date->marker) {
        case roroviri::kGregorian:
            civil = roroviri::math::GregorianDateOfJdn(date->jdn);
            break;
        case roroviri::kJulian:
            civil = roroviri::math::JulianDateOfJdn(date->jdn);
            break;
        default:
            return -1;
    }
    date->year = civil.year;
    date->month = civil.month;
    date->day = civil.day;
    return 0;
}

}  // extern "C"
