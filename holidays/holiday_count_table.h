// Counts of rule holidays over any span in constant time: how many holidays
// that fall on a working day of the week lie up to a given day, exact for every
// day of the accepted range, without looking at the years in between.
//
// How it stays exact. The holidays of a year depend only on
//   - the era: the set of rules that are law; it changes only in the years
//     where some rule starts or ends (all within 1..10000),
//   - the Gregorian calendar of the year and its neighbours (leap years and
//     the weekday of 1 January), which repeats every 400 years,
//   - the day of Western Easter, which within a century depends only on the
//     year of the century and three parts of the century (GregorianCenturyParts),
//   - the days of Orthodox Easter, which drift against the Gregorian calendar
//     by a day in most centuries.
// A year's holidays on working weekdays are computed once per distinct
// combination (a year profile). Without Orthodox rules, a whole century is
// likewise determined by its era and its century parts, so its within-century
// running counts are computed once per combination too (at most 2,280 per
// era); a running count over all centuries of the range (about 115,000) then
// answers any span with one lookup per end. Centuries that hold the start or
// end of a rule's years are computed year by year. With Orthodox rules, every
// century differs: the set-up visits every year of the range (about a second)
// and keeps each year's count in a byte (11.5 MB); a count adds up to 99 of
// them at each end.
//
// Beyond the tables (a little more than the accepted day range) no rule holds.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include "holidays/easter.h"
#include "holidays/holiday_rule.h"
#include "holidays/weekend.h"

namespace tembrel::holidays {

class HolidayCountTable {
  public:
    // Builds the tables for the holidays of `regions` that fall on days outside
    // `weekend`. Takes milliseconds without Orthodox rules (see the benchmark).
    HolidayCountTable(std::vector<RegionRules> regions, Weekend weekend);

    // Returns the number of rule holidays on working weekdays from the first day
    // of the tables up to and including `jdn`; any 64-bit day number.
    int64_t CountThrough(int64_t jdn) const;

    // Returns true when `jdn` is a rule holiday that falls on a working weekday.
    bool IsHolidayOnWorkingWeekday(int64_t jdn) const;

    const std::vector<RegionRules>& regions() const { return regions_; }
    Weekend weekend() const { return weekend_; }

    // The first and the last day that the tables cover.
    static int64_t FirstDay();
    static int64_t LastDay();

    // Returns the holidays of the rules in a Gregorian year that fall on working
    // weekdays, as days since 1 January, computed from the rules directly (the
    // tables' own source; tests compare the tables with it).
    std::vector<uint16_t> ComputeYear(int64_t year) const;

  private:
    struct YearKey {
        uint32_t era = 0;
        uint8_t calendar = 0;               // leap years around the year and its first weekday
        uint8_t easterDay = 0;              // day of March of Western Easter, 0 without such rules
        std::array<int16_t, 4> orthodox{};  // Orthodox Easters near the year, from 1 January
        friend bool operator==(const YearKey&, const YearKey&) = default;
    };
    struct YearKeyHash {
        size_t operator()(const YearKey& key) const;
    };
    struct YearProfile {
        uint32_t start = 0;  // into days_
        uint32_t count = 0;
    };
    struct CenturyProfile {
        std::array<uint32_t, 100> year{};    // year profile of each year of the century
        std::array<uint32_t, 101> before{};  // holidays in the years before each one
    };
    static constexpr uint32_t kNoProfile = UINT32_MAX;
    static constexpr uint32_t kManyHolidays = UINT8_MAX;

    size_t EraOf(int64_t year) const;
    bool IsRegularCentury(int64_t century) const;
    YearKey KeyOf(int64_t year) const;
    // The key of a year without Orthodox rules, from its century's parts.
    YearKey KeyOfCenturyYear(size_t era, int64_t century, const GregorianCenturyParts& parts,
                             int64_t yearOfCentury) const;
    uint32_t AddYearProfile(const std::vector<uint16_t>& days);
    uint32_t RegularYearProfile(int64_t year, const YearKey& key);
    uint32_t YearProfileOf(int64_t year) const;
    uint32_t BuildCentury(int64_t century, bool regular);
    // Returns the profile of the year that holds `jdn` (inside the tables), sets
    // `yearStart` to its 1 January and, when `before` is given, adds the holidays
    // of the tables before that year to it.
    const YearProfile& ProfileOfDay(int64_t jdn, int64_t& yearStart, int64_t* before) const;

    std::vector<RegionRules> regions_;
    Weekend weekend_;
    bool noHolidays_ = false;  // no rule at all: every count is 0, no table is built
    bool hasWestern_ = false;
    bool hasOrthodox_ = false;
    std::vector<int64_t> eraStarts_;  // sorted years in which the set of rules changes

    std::vector<uint16_t> days_;  // every year profile's days since 1 January
    std::vector<YearProfile> yearProfiles_;
    std::unordered_map<YearKey, uint32_t, YearKeyHash> yearProfileOfKey_;
    // While building only: year profiles by content, and the year and century
    // profiles of each era without Orthodox rules, by their keys.
    struct EraMemo {
        std::vector<uint32_t> yearProfile;     // by calendar and Easter day
        std::vector<uint32_t> centuryProfile;  // by GregorianCenturyParts::Key()
    };
    EraMemo& MemoOf(size_t era);
    std::map<std::vector<uint16_t>, uint32_t> profileOfDays_;
    std::unordered_map<size_t, EraMemo> eraMemos_;
    EraMemo* lastMemo_ = nullptr;
    size_t lastMemoEra_ = 0;
    std::vector<CenturyProfile> centuryProfiles_;
    std::vector<uint32_t> centuryProfileOf_;  // per century of the tables, or kNoProfile
    std::vector<int64_t> countBefore_;        // holidays before each century of the tables
    std::vector<uint8_t>
        yearCounts_;  // with Orthodox rules: each year's count, kManyHolidays at most
};

}  // namespace tembrel::holidays
