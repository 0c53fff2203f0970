// The holidays of some regions between two days, with their names: for the
// list of a region's holidays in a year and the marks of a month display.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "holidays/holiday_rule.h"
#include "holidays/user_day_files.h"

namespace tembrel::holidays {

struct NamedHoliday {
    int64_t jdn = 0;
    HolidayName name;    // an observed day's name ends in " (observed)" / " (Ersatztag)"
    std::string source;  // the region's code, or the user's file
    friend bool operator==(const NamedHoliday&, const NamedHoliday&) = default;
};

// Returns the holidays that the regions' rules and the user's single days put
// between `first` and `last` (both included), sorted by day and then in the
// order of the regions; a holiday that two regions share (the same English
// name on the same day) is listed once. Computes every Gregorian year in
// between, so it is meant for spans of a year or a few; days outside the
// holiday tables have no region holidays.
std::vector<NamedHoliday> ListHolidays(const std::vector<RegionRules>& regions,
                                       const std::vector<UserDay>& days, int64_t first,
                                       int64_t last);

}  // namespace tembrel::holidays
