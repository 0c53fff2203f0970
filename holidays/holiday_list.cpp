#include "holidays/holiday_list.h"

#include <algorithm>

#include "holidays/civil_days.h"
#include "holidays/holiday_count_table.h"
#include "holidays/rule_dates.h"

namespace tembrel::holidays {

namespace {

const HolidayName kObservedSuffix{" (observed)", " (Ersatztag)"};

}  // namespace

std::vector<NamedHoliday> ListHolidays(const std::vector<RegionRules>& regions,
                                       const std::vector<UserDay>& days, int64_t first,
                                       int64_t last) {
    std::vector<NamedHoliday> list;
    const int64_t from = std::max(first, HolidayCountTable::FirstDay());
    const int64_t to = std::min(last, HolidayCountTable::LastDay());
    if (from <= to) {
        const int64_t firstYear = GregorianDateOf(static_cast<int32_t>(from)).year;
        const int64_t lastYear = GregorianDateOf(static_cast<int32_t>(to)).year;
        for (int64_t year = firstYear; year <= lastYear; ++year) {
            for (const RegionRules& region : regions) {
                for (const DatedHoliday& holiday : RegionHolidaysInYear(region, year)) {
                    if (holiday.jdn < first || holiday.jdn > last) {
                        continue;
                    }
                    NamedHoliday named{holiday.jdn, region.names[holiday.rule], region.code};
                    if (holiday.moved && region.rules[holiday.rule].moves.observed) {
                        named.name.english += kObservedSuffix.english;
                        named.name.german += kObservedSuffix.german;
                    }
                    list.push_back(std::move(named));
                }
            }
        }
    }
    for (const UserDay& day : days) {
        if (day.jdn >= first && day.jdn <= last) {
            list.push_back({day.jdn, {day.name, day.name}, ""});
        }
    }
    // Stable: the regions keep their order on a day, the user's days come last.
    std::stable_sort(list.begin(), list.end(),
                     [](const NamedHoliday& a, const NamedHoliday& b) { return a.jdn < b.jdn; });
    std::vector<NamedHoliday> unique;
    for (NamedHoliday& holiday : list) {
        bool seen = false;
        for (auto h = unique.rbegin(); h != unique.rend() && h->jdn == holiday.jdn; ++h) {
            seen = seen || h->name.english == holiday.name.english;
        }
        if (!seen) {
            unique.push_back(std::move(holiday));
        }
    }
    return unique;
}

}  // namespace tembrel::holidays
