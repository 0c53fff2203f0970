// The marker switch over the three supported calendars.
#include "libs/roroviri/calendar_rules.h"

#include "libs/roroviri/civil_day_math.h"

namespace roroviri {

int32_t MonthsInYear(int32_t marker) {
    switch (marker) {
        case kGregorian:
        case kJulian:
            return 12;
        case kAnnusNovus:
            return 10;
        default:
            return 0;
    }
}

int32_t DaysInMonth(int32_t marker, int64_t year, int32_t month) {
    if (month < 1 || month > MonthsInYear(marker)) {
        return 0;
    }
    if (marker == kAnnusNovus) {
        return AnnusNovusMonthDays(year, month);
    }
    constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap =
        marker == kJulian ? math::IsJulianLeapYear(year) : math::IsGregorianLeapYear(year);
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::optional<int64_t> DayNumberOf(int32_t marker, int32_t year, int32_t month, int32_t day) {
    if (marker == kAnnusNovus) {
        return AnnusNovusDayNumber(year, month, day);
    }
    return EuroDayNumber(marker, year, month, day);
}

}  // namespace roroviri
