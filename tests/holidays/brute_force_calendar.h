// Working days by their definition, one day at a time, for the tests of the
// fast arithmetic: a day's holidays come straight from the rules of its year
// (no tables), then the weekend and the user's days decide.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "holidays/civil_days.h"
#include "holidays/holiday_count_table.h"
#include "holidays/rule_dates.h"
#include "holidays/user_day_files.h"
#include "holidays/weekend.h"

namespace tembrel::holidays::test_support {

struct CalendarInputs {
    Weekend weekend;
    std::vector<RegionRules> regions;
    std::vector<UserDay> holidays;
    std::vector<UserDay> workdays;
};

class BruteForceCalendar {
  public:
    explicit BruteForceCalendar(CalendarInputs inputs) : inputs_(std::move(inputs)) {
        for (const UserDay& day : inputs_.holidays) {
            holidays_.insert(day.jdn);
        }
        for (const UserDay& day : inputs_.workdays) {
            workdays_.insert(day.jdn);
        }
    }

    // Returns the region holidays of a Gregorian year (any day of the week).
    const std::set<int64_t>& RuleHolidaysOf(int64_t year) {
        const auto found = years_.find(year);
        if (found != years_.end()) {
            return found->second;
        }
        std::set<int64_t>& days = years_[year];
        for (const RegionRules& region : inputs_.regions) {
            for (const DatedHoliday& holiday : RegionHolidaysInYear(region, year)) {
                days.insert(holiday.jdn);
            }
        }
        return days;
    }

    bool IsWorkingDay(int64_t jdn) {
        if (workdays_.count(jdn) != 0) {
            return true;
        }
        if (inputs_.weekend.Contains(WeekdayOf(jdn)) || holidays_.count(jdn) != 0) {
            return false;
        }
        if (jdn < HolidayCountTable::FirstDay() || jdn > HolidayCountTable::LastDay()) {
            return true;  // no rules beyond the tables
        }
        return RuleHolidaysOf(GregorianDateOf(static_cast<int32_t>(jdn)).year).count(jdn) == 0;
    }

    // The working days after `from` up to and including `to`, negative when
    // `to` comes first; walks every day.
    int64_t Count(int64_t from, int64_t to) {
        int64_t count = 0;
        for (int64_t day = std::min(from, to) + 1; day <= std::max(from, to); ++day) {
            count += IsWorkingDay(day) ? 1 : 0;
        }
        return to >= from ? count : -count;
    }

    // The working days of a whole Gregorian year, from the year's holidays
    // rather than day by day.
    int64_t WorkingDaysOfYear(int64_t year) {
        const int64_t first = GregorianDay(year, 1, 1);
        const int64_t next = GregorianDay(year + 1, 1, 1);
        int64_t count = 0;
        for (int weekday = 0; weekday < kDaysPerWeek; ++weekday) {
            if (inputs_.weekend.Contains(weekday)) {
                continue;
            }
            // The days of this weekday in first .. next - 1.
            const int64_t firstOfWeekday = first + (weekday - WeekdayOf(first) + 7) % 7;
            count += firstOfWeekday < next ? (next - 1 - firstOfWeekday) / 7 + 1 : 0;
        }
        for (const int64_t day : RuleHolidaysOf(year)) {
            count -= day >= first && day < next && !inputs_.weekend.Contains(WeekdayOf(day)) &&
                             holidays_.count(day) == 0 && workdays_.count(day) == 0
                         ? 1
                         : 0;
        }
        for (const int64_t day : holidays_) {
            count -= day >= first && day < next && !inputs_.weekend.Contains(WeekdayOf(day)) &&
                             workdays_.count(day) == 0
                         ? 1
                         : 0;
        }
        // Extra working days on holidays were not taken off above; those on
        // weekend days are added.
        for (const int64_t day : workdays_) {
            count += day >= first && day < next && inputs_.weekend.Contains(WeekdayOf(day)) ? 1 : 0;
        }
        return count;
    }

    const CalendarInputs& inputs() const { return inputs_; }

  private:
    CalendarInputs inputs_;
    std::set<int64_t> holidays_;
    std::set<int64_t> workdays_;
    std::map<int64_t, std::set<int64_t>> years_;
};

}  // namespace tembrel::holidays::test_support
