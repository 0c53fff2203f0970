// A work calendar: the weekend, the public holidays of some regions, the
// user's own holidays and the user's extra working days. It answers whether a
// day is worked, how many working days lie between two days, and which day is
// the nth working day from another, for any span of the accepted range in
// about a microsecond: nothing walks over the days or years in between.
//
// A day is a working day when it is one of the user's extra working days, or
// else when it is not a weekend day, not a holiday of a region and not one of
// the user's holidays. Extra working days thus override the weekend and every
// holiday.
//
// The counting. Let W(x) be the number of working days from a fixed origin up
// to and including day x (any 64-bit day within ±2^40). Then
//   W(x) = N(x) - R(x) - U(x) + X(x)
// where N counts the days outside the weekend (whole weeks times the working
// days per week, plus a table for the part week), R the region holidays on
// those days (HolidayCountTable: constant time over any span), U the user's
// holidays on those days that are not region holidays, and X the extra working
// days that would not otherwise be worked (both sorted lists, binary search).
// The working days in (a, b] are W(b) - W(a); the nth working day after a is
// the first day x with W(x) = W(a) + n, found by bisection on W.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "holidays/holiday_count_table.h"
#include "holidays/holiday_list.h"
#include "holidays/user_day_files.h"
#include "holidays/weekend.h"

namespace tembrel::holidays {

class WorkCalendar {
  public:
    // Saturday and Sunday off, no holidays: the program's working days.
    WorkCalendar();

    // `regions` are the rules of the chosen regions and the yearly rules of the
    // user's iCalendar files; `holidays` and `workdays` the user's single days.
    // Builds the count tables (milliseconds; see HolidayCountTable).
    WorkCalendar(Weekend weekend, std::vector<RegionRules> regions, std::vector<UserDay> holidays,
                 std::vector<UserDay> workdays);

    Weekend weekend() const { return table_->weekend(); }

    // Returns true when nothing but the weekend is off: no region, no user day.
    bool HasOnlyWeekend() const;

    // Returns true when `jdn` is a working day; any 64-bit day number.
    bool IsWorkingDay(int64_t jdn) const;

    // Returns W(jdn) of the comment above: working days up to and including
    // `jdn` from a fixed origin. Exact for |jdn| <= kMaxReach.
    int64_t WorkingDaysThrough(int64_t jdn) const;

    // Returns the working days after `from` up to and including `to`, negative
    // (those after `to` up to `from`) when `to` comes first.
    int64_t CountWorkingDays(int64_t from, int64_t to) const {
        return WorkingDaysThrough(to) - WorkingDaysThrough(from);
    }

    // Returns the nth working day after `jdn` (n >= 1), not counting `jdn`
    // itself; empty when there is none within kMaxReach.
    std::optional<int64_t> NthWorkingDayAfter(int64_t jdn, int64_t n) const;

    // Returns the nth working day before `jdn` (n >= 1); empty when there is
    // none within kMaxReach.
    std::optional<int64_t> NthWorkingDayBefore(int64_t jdn, int64_t n) const;

    // Returns the holidays between two days (both included) with their names:
    // region holidays, the user's yearly and single holidays. Meant for a month
    // or a year: it computes every year in between.
    std::vector<NamedHoliday> HolidaysBetween(int64_t first, int64_t last) const;

    // The regions' rules (and the user's yearly ones), as given.
    const std::vector<RegionRules>& regions() const { return table_->regions(); }

    // How far from day 0 the counting reaches: far beyond the accepted range, so
    // that every step between two days of the range can be taken.
    static constexpr int64_t kMaxReach = int64_t{1} << 40;

  private:
    // Returns the first day x with W(x) >= target, if one lies within kMaxReach.
    std::optional<int64_t> FirstDayReaching(int64_t target) const;
    bool IsWeekendDay(int64_t jdn) const { return table_->weekend().Contains(WeekdayOf(jdn)); }

    std::shared_ptr<const HolidayCountTable> table_;
    std::vector<UserDay> holidays_;       // the user's holidays, sorted by day
    std::vector<int64_t> extraHolidays_;  // user holidays on days that are otherwise worked
    std::vector<int64_t> workdays_;       // the user's extra working days, sorted
    std::vector<int64_t> extraWorkdays_;  // extra working days that are otherwise off
    std::array<int64_t, kDaysPerWeek + 1> weekPrefix_{};  // working weekdays from a Monday
};

}  // namespace tembrel::holidays
