#include "holidays/work_calendar.h"

#include <algorithm>

#include "holidays/civil_days.h"

namespace tembrel::holidays {

namespace {

template <typename T>
int64_t CountThrough(const std::vector<T>& sorted, int64_t jdn) {
    return std::upper_bound(sorted.begin(), sorted.end(), jdn) - sorted.begin();
}

}  // namespace

WorkCalendar::WorkCalendar() : WorkCalendar(Weekend(), {}, {}, {}) {}

WorkCalendar::WorkCalendar(Weekend weekend, std::vector<RegionRules> regions,
                           std::vector<UserDay> holidays, std::vector<UserDay> workdays)
    : table_(std::make_shared<const HolidayCountTable>(std::move(regions), weekend)),
      holidays_(std::move(holidays)) {
    // Day 0 is a Monday: weekPrefix_[r] counts the working days among the r days
    // from a Monday on.
    for (int r = 0; r < kDaysPerWeek; ++r) {
        weekPrefix_[static_cast<size_t>(r) + 1] =
            weekPrefix_[static_cast<size_t>(r)] + (weekend.Contains(WeekdayOf(r)) ? 0 : 1);
    }
    std::stable_sort(holidays_.begin(), holidays_.end(),
                     [](const UserDay& a, const UserDay& b) { return a.jdn < b.jdn; });
    for (const UserDay& day : holidays_) {
        if (!IsWeekendDay(day.jdn) && !table_->IsHolidayOnWorkingWeekday(day.jdn) &&
            (extraHolidays_.empty() || extraHolidays_.back() != day.jdn)) {
            extraHolidays_.push_back(day.jdn);
        }
    }
    for (const UserDay& day : workdays) {
        workdays_.push_back(day.jdn);
    }
    std::sort(workdays_.begin(), workdays_.end());
    workdays_.erase(std::unique(workdays_.begin(), workdays_.end()), workdays_.end());
    for (const int64_t jdn : workdays_) {
        if (IsWeekendDay(jdn) || table_->IsHolidayOnWorkingWeekday(jdn) ||
            std::binary_search(extraHolidays_.begin(), extraHolidays_.end(), jdn)) {
            extraWorkdays_.push_back(jdn);
        }
    }
}

bool WorkCalendar::HasOnlyWeekend() const {
    for (const RegionRules& region : table_->regions()) {
        if (!region.rules.empty()) {
            return false;
        }
    }
    return holidays_.empty() && workdays_.empty();
}

bool WorkCalendar::IsWorkingDay(int64_t jdn) const {
    if (std::binary_search(workdays_.begin(), workdays_.end(), jdn)) {
        return true;
    }
    return !IsWeekendDay(jdn) && !table_->IsHolidayOnWorkingWeekday(jdn) &&
           !std::binary_search(extraHolidays_.begin(), extraHolidays_.end(), jdn);
}

int64_t WorkCalendar::WorkingDaysThrough(int64_t jdn) const {
    // Days 0 .. jdn (or the days after jdn up to -1, negated): whole weeks from
    // Monday 0 and the days of the part week.
    const int64_t days = jdn + 1;
    const int64_t weeks = FloorDiv(days, kDaysPerWeek);  // |weeks| < 2^38
    const auto rest = static_cast<size_t>(days - kDaysPerWeek * weeks);
    const int64_t weekdays = weekPrefix_[kDaysPerWeek] * weeks + weekPrefix_[rest];
    return weekdays - table_->CountThrough(jdn) - CountThrough(extraHolidays_, jdn) +
           CountThrough(extraWorkdays_, jdn);
}

std::optional<int64_t> WorkCalendar::FirstDayReaching(int64_t target) const {
    // W rises by at most one a day, so the answer is the first day of a
    // bisection over the reach.
    int64_t low = -kMaxReach;  // W(low) < target is required
    int64_t high = kMaxReach;  // W(high) >= target is required
    if (WorkingDaysThrough(low) >= target || WorkingDaysThrough(high) < target) {
        return std::nullopt;
    }
    while (high - low > 1) {
        const int64_t middle = low + (high - low) / 2;
        if (WorkingDaysThrough(middle) >= target) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return high;
}

std::optional<int64_t> WorkCalendar::NthWorkingDayAfter(int64_t jdn, int64_t n) const {
    return FirstDayReaching(WorkingDaysThrough(jdn) + n);
}

std::optional<int64_t> WorkCalendar::NthWorkingDayBefore(int64_t jdn, int64_t n) const {
    // The day y with n working days in y .. jdn - 1 and y itself worked is the
    // first day whose count reaches W(jdn - 1) - n + 1.
    return FirstDayReaching(WorkingDaysThrough(jdn - 1) - n + 1);
}

std::vector<NamedHoliday> WorkCalendar::HolidaysBetween(int64_t first, int64_t last) const {
    return ListHolidays(table_->regions(), holidays_, first, last);
}

}  // namespace tembrel::holidays
