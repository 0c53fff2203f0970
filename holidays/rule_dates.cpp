#include "holidays/rule_dates.h"

#include <algorithm>

#include "holidays/civil_days.h"
#include "holidays/easter.h"
#include "holidays/text_scan.h"

namespace tembrel::holidays {

namespace {

constexpr int kSunday = 0;
constexpr int kSaturday = 6;

// Returns the number of days from weekday `from` forward to weekday `to` (0..6).
int DaysForward(int from, int to) {
    return (to - from + kDaysPerWeek) % kDaysPerWeek;
}

bool IsLawWeekend(int64_t jdn) {
    const int weekday = WeekdayOf(jdn);
    return weekday == kSunday || weekday == kSaturday;
}

// Returns the first day after `jdn` from Monday to Friday that is not in
// `taken`. The loop passes at most the weekend days and the taken days, so it
// ends within a few more days than there are holidays in `taken`.
int64_t NextFreeWeekday(int64_t jdn, const std::vector<int64_t>& taken) {
    int64_t day = jdn + 1;
    while (IsLawWeekend(day) || std::find(taken.begin(), taken.end(), day) != taken.end()) {
        ++day;
    }
    return day;
}

}  // namespace

bool HolidayRule::AppliesIn(int64_t year) const {
    if (years.empty()) {
        return true;
    }
    for (const YearSpan& span : years) {
        if (year >= span.first && year <= span.last) {
            return true;
        }
    }
    return false;
}

void AppendRuleDates(const HolidayRule& rule, int64_t year, std::vector<int64_t>& dates) {
    const size_t firstNew = dates.size();
    switch (rule.anchor) {
        case RuleAnchor::Date:
            if (rule.day <= DaysInGregorianMonth(year, rule.month)) {
                dates.push_back(GregorianDay(year, rule.month, rule.day));
            }
            break;
        case RuleAnchor::NthWeekday: {
            const int64_t first = GregorianDay(year, rule.month, 1);
            dates.push_back(first + DaysForward(WeekdayOf(first), rule.weekday) +
                            kDaysPerWeek * (rule.nth - 1));
            break;
        }
        case RuleAnchor::LastWeekday: {
            const int64_t last =
                GregorianDay(year, rule.month, DaysInGregorianMonth(year, rule.month));
            dates.push_back(last - DaysForward(rule.weekday, WeekdayOf(last)));
            break;
        }
        case RuleAnchor::WeekdayBefore: {
            const int64_t dayBefore = GregorianDay(year, rule.month, rule.day) - 1;
            dates.push_back(dayBefore - DaysForward(rule.weekday, WeekdayOf(dayBefore)));
            break;
        }
        case RuleAnchor::WeekdayAfter: {
            const int64_t dayAfter = GregorianDay(year, rule.month, rule.day) + 1;
            dates.push_back(dayAfter + DaysForward(WeekdayOf(dayAfter), rule.weekday));
            break;
        }
        case RuleAnchor::WesternEaster:
            dates.push_back(WesternEaster(year));
            break;
        case RuleAnchor::OrthodoxEaster:
            for (const int64_t easter : OrthodoxEastersInYear(year)) {
                dates.push_back(easter);
            }
            break;
    }
    for (size_t i = firstNew; i < dates.size(); ++i) {
        dates[i] += rule.offset;
    }
}

void AppendRuleYear(const RegionRules& region, int64_t year, std::vector<DatedHoliday>& out) {
    const size_t firstNew = out.size();
    std::vector<int64_t> dates;
    for (size_t r = 0; r < region.rules.size(); ++r) {
        const HolidayRule& rule = region.rules[r];
        if (!rule.AppliesIn(year)) {
            continue;
        }
        dates.clear();
        AppendRuleDates(rule, year, dates);
        for (const int64_t jdn : dates) {
            out.push_back({jdn, static_cast<uint32_t>(r), false});
        }
    }
    const auto byDateThenRule = [](const DatedHoliday& a, const DatedHoliday& b) {
        return a.jdn != b.jdn ? a.jdn < b.jdn : a.rule < b.rule;
    };
    std::sort(out.begin() + static_cast<std::ptrdiff_t>(firstNew), out.end(), byDateThenRule);

    std::vector<int64_t> taken;
    for (size_t i = firstNew; i < out.size(); ++i) {
        taken.push_back(out[i].jdn);
    }
    const size_t baseEnd = out.size();
    for (size_t i = firstNew; i < baseEnd; ++i) {
        const WeekdayMoves& moves = region.rules[out[i].rule].moves;
        const int8_t shift = moves.shift[static_cast<size_t>(WeekdayOf(out[i].jdn))];
        if (shift == WeekdayMoves::kStay) {
            continue;
        }
        const int64_t target = shift == WeekdayMoves::kNextFreeWeekday
                                   ? NextFreeWeekday(out[i].jdn, taken)
                                   : out[i].jdn + shift;
        taken.push_back(target);
        if (moves.observed) {
            out.push_back({target, out[i].rule, true});
        } else {
            // The day is no longer a holiday, so a later substitute may take it.
            taken.erase(std::find(taken.begin(), taken.end(), out[i].jdn));
            out[i] = {target, out[i].rule, true};
        }
    }
    std::sort(out.begin() + static_cast<std::ptrdiff_t>(firstNew), out.end(), byDateThenRule);
}

std::vector<DatedHoliday> RegionHolidaysInYear(const RegionRules& region, int64_t year) {
    std::vector<DatedHoliday> holidays;
    // Moves cross the turn of the year by a few days at most, and every rule's
    // date lies within a month of its own year, so the rules of the year before
    // and after are all that can reach into this one.
    for (int64_t ruleYear = year - 1; ruleYear <= year + 1; ++ruleYear) {
        AppendRuleYear(region, ruleYear, holidays);
    }
    const int64_t first = GregorianDay(year, 1, 1);
    const int64_t next = GregorianDay(year + 1, 1, 1);
    std::erase_if(holidays, [&](const DatedHoliday& h) { return h.jdn < first || h.jdn >= next; });
    std::sort(holidays.begin(), holidays.end(), [](const DatedHoliday& a, const DatedHoliday& b) {
        return a.jdn != b.jdn ? a.jdn < b.jdn : a.rule < b.rule;
    });
    return holidays;
}

}  // namespace tembrel::holidays
