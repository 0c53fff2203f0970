// The marker switch over the three supported calendars.
#include "libs/roroviri/calendar_rules.h"

namespace roroviri {

int64_t DayNumberOf(int32_t marker, int32_t year, int32_t month, int32_t day) {
    if (marker == kAnnusNovus) {
        return AnnusNovusDayNumber(year, month, day);
    }
    return EuroDayNumber(marker, year, month, day);
}

}  // namespace roroviri
