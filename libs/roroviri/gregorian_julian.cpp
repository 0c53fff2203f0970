// Gregorian and Julian dates to day numbers and back.
#include "libs/roroviri/calendar_rules.h"
#include "libs/roroviri/civil_day_math.h"
#include "libs/roroviri/roroviri.h"

namespace roroviri {

// Checked once here rather than in every file that includes the arithmetic.
static_assert(math::YearOfCenturyProductHolds());

namespace {

// The body of EuroDayNumber, inline so that euro_date_to_jdn does not pay for a
// call and an optional in memory.
inline std::optional<int64_t> DayNumberOfEuroDate(int32_t marker, int32_t year, int32_t month,
                                                  int32_t day) {
    int64_t fullYear = year;
    auto calendarMonth = static_cast<uint32_t>(month);
    if (month < 1 || month > 12) {
        // Whole years move out of the month: |fullYear| < 2^31 + 2^28.
        const int64_t monthsFromJanuary = int64_t{month} - 1;
        fullYear += math::FloorDiv(monthsFromJanuary, 12);
        calendarMonth = static_cast<uint32_t>(math::FloorMod(monthsFromJanuary, 12)) + 1;
    }
    if (!math::IsYearInArithmeticRange(fullYear)) {
        return std::nullopt;  // too far for any 32-bit day number
    }
    int64_t monthStart = 0;
    switch (marker) {
        case kGregorian:
            monthStart = math::GregorianMonthStart(fullYear, calendarMonth);
            break;
        case kJulian:
            monthStart = math::JulianMonthStart(fullYear, calendarMonth);
            break;
        default:
            return std::nullopt;
    }
    // |monthStart| < 2^33 and |day| < 2^31: the sum fits.
    return monthStart + (int64_t{day} - 1);
}

}  // namespace

std::optional<int64_t> EuroDayNumber(int32_t marker, int32_t year, int32_t month, int32_t day) {
    return DayNumberOfEuroDate(marker, year, month, day);
}

}  // namespace roroviri

extern "C" {

int32_t euro_date_to_jdn(CalDate* date) {
    if (date == nullptr) {
        return kRoroviriNoJdn;
    }
    const std::optional<int64_t> jdn =
        roroviri::DayNumberOfEuroDate(date->marker, date->year, date->month, date->day);
    date->jdn = jdn && roroviri::math::FitsJdn(*jdn) ? static_cast<int32_t>(*jdn) : kRoroviriNoJdn;
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
