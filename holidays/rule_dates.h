// The dates that holiday rules give: one rule in one year, and the holidays of
// a region in a year with the moves of weekend holidays applied.
#pragma once

#include <cstdint>
#include <vector>

#include "holidays/holiday_rule.h"

namespace tembrel::holidays {

// Appends the dates of a rule's anchor plus its offset in `year`, ignoring the
// rule's years and moves: one date, none (29 February in a common year, an
// Orthodox Easter that falls in another year) or two (Orthodox Easter, far
// away). |year| < kMaxCivilYearMagnitude.
void AppendRuleDates(const HolidayRule& rule, int64_t year, std::vector<int64_t>& dates);

// A holiday on a date: which rule gave it and whether it is a moved or observed
// day rather than the rule's own date.
struct DatedHoliday {
    int64_t jdn = 0;
    uint32_t rule = 0;
    bool moved = false;
    friend bool operator==(const DatedHoliday&, const DatedHoliday&) = default;
};

// Appends the holidays that a region's rules give for the year in which they
// are law, in date order: the rule dates, then the moves of those that fall on
// a day with a move, in date order, so that a substitute day skips the
// holidays and the substitutes before it ("next free weekday" is decided with
// the holidays of the same year only). The moved dates of a year's rules may
// lie in the next or the previous year (a 1 January on a Saturday observed on
// 31 December).
void AppendRuleYear(const RegionRules& region, int64_t year, std::vector<DatedHoliday>& out);

// Returns the holidays of a region whose dates fall in the Gregorian year
// `year`, whichever year's rules gave them, sorted by date and then by rule.
std::vector<DatedHoliday> RegionHolidaysInYear(const RegionRules& region, int64_t year);

}  // namespace tembrel::holidays
