// A holiday rule: how a holiday's date follows from the year, in which years it
// was law, and where it moves when it falls on a Saturday or Sunday.
//
// Every rule gives at most one date per year (an Orthodox Easter rule may give
// none or two in years tens of thousands of years away, see easter.h). Rules
// are read from the holiday rule file (holiday_data_file.h) or from the user's
// iCalendar files; the names live beside the rules, in RegionRules.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "holidays/weekend.h"

namespace tembrel::holidays {

// The languages of holiday names.
enum class NameLanguage : uint8_t { English, German };

struct HolidayName {
    std::string english;
    std::string german;

    const std::string& In(NameLanguage language) const {
        return language == NameLanguage::German ? german : english;
    }
    friend bool operator==(const HolidayName&, const HolidayName&) = default;
};

// What the date of a rule is counted from.
enum class RuleAnchor : uint8_t {
    Date,            // month and day: 12-25 (a 29 February only in leap years)
    NthWeekday,      // the nth (1..4) weekday of a month: the 3rd Monday of January
    LastWeekday,     // the last weekday of a month: the last Monday of May
    WeekdayBefore,   // the last weekday strictly before month and day: Wednesday before 23 November
    WeekdayAfter,    // the first weekday strictly after month and day
    WesternEaster,   // Easter Sunday of the Gregorian computus
    OrthodoxEaster,  // Easter Sunday of the Julian computus, on the Gregorian calendar
};

// Limits that keep every date of a rule within a year of its own, which the
// counting tables rely on (holiday_count_table.h).
inline constexpr int32_t kMinEasterOffset = -60;  // 21 January at the earliest
inline constexpr int32_t kMaxEasterOffset = 200;  // 11 November at the latest
inline constexpr int32_t kMaxDateOffset = 31;     // other anchors: a month either way
inline constexpr int32_t kMaxShift = 7;           // a move by a fixed number of days

// The years of a rule: first..last, both included.
struct YearSpan {
    int32_t first = 0;
    int32_t last = 0;
    friend bool operator==(const YearSpan&, const YearSpan&) = default;
};

// Years of the rule files: 1..9999. Open ends stand for every earlier or later
// year of the tables.
inline constexpr int32_t kFirstRuleYear = 1;
inline constexpr int32_t kLastRuleYear = 9999;
inline constexpr int32_t kOpenStart = INT32_MIN;
inline constexpr int32_t kOpenEnd = INT32_MAX;

// Where a holiday goes when it falls on a given day of the week. The law's week
// is meant (Saturday and Sunday), whatever weekend the user counts with.
struct WeekdayMoves {
    static constexpr int8_t kStay = 0;
    // To the next day from Monday to Friday that is not already a holiday of the
    // region in that year (nor taken by an earlier move): a substitute day.
    static constexpr int8_t kNextFreeWeekday = 100;

    // Indexed by the day of the week of the date (0 = Sunday): kStay, a shift of
    // -kMaxShift..kMaxShift days, or kNextFreeWeekday.
    std::array<int8_t, kDaysPerWeek> shift{};
    // true: the holiday keeps its date and the moved day is a holiday too (an
    // observed day); false: the holiday moves.
    bool observed = false;

    bool Any() const {
        for (const int8_t s : shift) {
            if (s != kStay) {
                return true;
            }
        }
        return false;
    }
    friend bool operator==(const WeekdayMoves&, const WeekdayMoves&) = default;
};

struct HolidayRule {
    RuleAnchor anchor = RuleAnchor::Date;
    int8_t month = 1;    // 1..12 (Date, NthWeekday, LastWeekday, WeekdayBefore, WeekdayAfter)
    int8_t day = 1;      // 1..31 (Date, WeekdayBefore, WeekdayAfter)
    int8_t weekday = 0;  // 0 = Sunday .. 6 (NthWeekday, LastWeekday, WeekdayBefore, WeekdayAfter)
    int8_t nth = 1;      // 1..4 (NthWeekday)
    int16_t offset = 0;  // days added to the anchor's date
    std::vector<YearSpan> years;  // sorted, disjoint; empty = every year
    WeekdayMoves moves;

    // Returns true when the rule is law in `year`.
    bool AppliesIn(int64_t year) const;
    friend bool operator==(const HolidayRule&, const HolidayRule&) = default;
};

// The rules of one region (its own and those it includes), each with its name.
struct RegionRules {
    std::string code;  // "DE-BY"; for the user's own days the file name
    std::vector<HolidayRule> rules;
    std::vector<HolidayName> names;  // one per rule
};

}  // namespace tembrel::holidays
