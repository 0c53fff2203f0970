#include "holidays/holiday_count_table.h"

#include <algorithm>

#include "core/calendar_tables.h"
#include "holidays/civil_days.h"
#include "holidays/easter.h"
#include "holidays/rule_dates.h"

namespace tembrel::holidays {

namespace {

constexpr int64_t kYearsPerCentury = 100;
constexpr int16_t kNoEaster = INT16_MIN;
constexpr size_t kCenturyKinds = 4 * 30 * 19;  // GregorianCenturyParts::Key() < 2280
constexpr size_t kCalendarKinds = 8 * 7;       // YearKey::calendar < 56
constexpr size_t kEasterDays = 57;             // YearKey::easterDay: 0, or 22..56

// The centuries of the tables: those of the accepted day range and of the year
// on either side of it, so that every day of the range has its whole year and
// the moves from the neighbouring years.
struct TableCenturies {
    int64_t first;
    int64_t last;
};

const TableCenturies& Centuries() {
    static const TableCenturies centuries{
        FloorDiv(GregorianDateOf(kMinJDN).year - 1, kYearsPerCentury),
        FloorDiv(GregorianDateOf(kMaxJDN).year + 1, kYearsPerCentury)};
    return centuries;
}

bool UsesAnchor(const std::vector<RegionRules>& regions, RuleAnchor anchor) {
    for (const RegionRules& region : regions) {
        for (const HolidayRule& rule : region.rules) {
            if (rule.anchor == anchor) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

size_t HolidayCountTable::YearKeyHash::operator()(const YearKey& key) const {
    // The finaliser of splitmix64 over each part, so that keys differing in any
    // bit spread over all buckets.
    const auto mix = [](uint64_t x) {
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
        return x ^ (x >> 31);
    };
    uint64_t hash = mix((uint64_t{key.era} << 16) | (uint64_t{key.calendar} << 8) | key.easterDay);
    for (const int16_t day : key.orthodox) {
        hash = mix(hash ^ static_cast<uint16_t>(day));
    }
    return static_cast<size_t>(hash);
}

int64_t HolidayCountTable::FirstDay() {
    static const int64_t first = GregorianDay(Centuries().first * kYearsPerCentury, 1, 1);
    return first;
}

int64_t HolidayCountTable::LastDay() {
    static const int64_t last = GregorianDay((Centuries().last + 1) * kYearsPerCentury, 1, 1) - 1;
    return last;
}

HolidayCountTable::HolidayCountTable(std::vector<RegionRules> regions, Weekend weekend)
    : regions_(std::move(regions)), weekend_(weekend) {
    noHolidays_ = std::all_of(regions_.begin(), regions_.end(),
                              [](const RegionRules& region) { return region.rules.empty(); });
    if (noHolidays_) {
        return;  // the weekend alone: nothing to count, no tables to build
    }
    hasWestern_ = UsesAnchor(regions_, RuleAnchor::WesternEaster);
    hasOrthodox_ = UsesAnchor(regions_, RuleAnchor::OrthodoxEaster);
    for (const RegionRules& region : regions_) {
        for (const HolidayRule& rule : region.rules) {
            for (const YearSpan& span : rule.years) {
                if (span.first != kOpenStart) {
                    eraStarts_.push_back(span.first);
                }
                if (span.last != kOpenEnd) {
                    eraStarts_.push_back(int64_t{span.last} + 1);
                }
            }
        }
    }
    std::sort(eraStarts_.begin(), eraStarts_.end());
    eraStarts_.erase(std::unique(eraStarts_.begin(), eraStarts_.end()), eraStarts_.end());

    AddYearProfile({});  // profile 0: a year without holidays on working weekdays
    const auto [firstCentury, lastCentury] = Centuries();
    const auto centuries = static_cast<size_t>(lastCentury - firstCentury + 1);
    countBefore_.assign(centuries + 1, 0);
    centuryProfileOf_.assign(centuries, kNoProfile);
    if (hasOrthodox_) {
        yearCounts_.assign(centuries * kYearsPerCentury, 0);
    }
    for (size_t k = 0; k < centuries; ++k) {
        const int64_t century = firstCentury + static_cast<int64_t>(k);
        const bool regular = IsRegularCentury(century);
        int64_t holidays = 0;
        if (regular && hasOrthodox_) {
            for (int64_t c = 0; c < kYearsPerCentury; ++c) {
                const int64_t year = century * kYearsPerCentury + c;
                const uint32_t count = yearProfiles_[RegularYearProfile(year, KeyOf(year))].count;
                yearCounts_[k * kYearsPerCentury + static_cast<size_t>(c)] =
                    static_cast<uint8_t>(std::min(count, kManyHolidays));
                holidays += count;
            }
        } else {
            uint32_t profile = kNoProfile;
            if (regular) {
                const GregorianCenturyParts parts = GregorianEasterCentury(century);
                uint32_t& memo = MemoOf(EraOf(century * kYearsPerCentury))
                                     .centuryProfile[static_cast<size_t>(parts.Key())];
                if (memo == kNoProfile) {
                    memo = BuildCentury(century, true);
                }
                profile = memo;
            } else {
                profile = BuildCentury(century, false);
            }
            centuryProfileOf_[k] = profile;
            holidays = centuryProfiles_[profile].before.back();
        }
        countBefore_[k + 1] = countBefore_[k] + holidays;
    }
    profileOfDays_.clear();
    eraMemos_.clear();
    lastMemo_ = nullptr;
}

HolidayCountTable::EraMemo& HolidayCountTable::MemoOf(size_t era) {
    if (lastMemo_ == nullptr || lastMemoEra_ != era) {
        lastMemo_ = &eraMemos_[era];
        lastMemoEra_ = era;
        if (lastMemo_->yearProfile.empty()) {
            lastMemo_->yearProfile.assign(kCalendarKinds * kEasterDays, kNoProfile);
            lastMemo_->centuryProfile.assign(kCenturyKinds, kNoProfile);
        }
    }
    return *lastMemo_;
}

size_t HolidayCountTable::EraOf(int64_t year) const {
    return static_cast<size_t>(std::upper_bound(eraStarts_.begin(), eraStarts_.end(), year) -
                               eraStarts_.begin());
}

bool HolidayCountTable::IsRegularCentury(int64_t century) const {
    // Every year of the century and the year on either side in one era.
    return EraOf(century * kYearsPerCentury - 1) == EraOf((century + 1) * kYearsPerCentury);
}

HolidayCountTable::YearKey HolidayCountTable::KeyOf(int64_t year) const {
    const int64_t century = FloorDiv(year, kYearsPerCentury);
    YearKey key = KeyOfCenturyYear(EraOf(year), century, GregorianEasterCentury(century),
                                   year - century * kYearsPerCentury);
    if (hasOrthodox_) {
        // Every Orthodox Easter of the year before, the year itself and the year
        // after: the rules of those years are the ones that reach into this one.
        const int64_t firstDay = GregorianDay(year, 1, 1);
        const int64_t from = GregorianDay(year - 1, 1, 1);
        const int64_t to = GregorianDay(year + 2, 1, 1);
        const int64_t julianYear = JulianYearOf(static_cast<int32_t>(from));
        size_t found = 0;
        for (int64_t j = julianYear; j <= julianYear + 3; ++j) {
            const int64_t easter = OrthodoxEasterOfJulianYear(j);
            if (easter >= from && easter < to) {
                key.orthodox[found++] = static_cast<int16_t>(easter - firstDay);
            }
        }
    }
    return key;
}

HolidayCountTable::YearKey HolidayCountTable::KeyOfCenturyYear(size_t era, int64_t century,
                                                               const GregorianCenturyParts& parts,
                                                               int64_t yearOfCentury) const {
    // The leap years before, in and after a year and the weekday of its 1 January
    // repeat every 400 years.
    static const std::array<uint8_t, 400> kCalendarOfYear = [] {
        std::array<uint8_t, 400> calendars{};
        for (int64_t y = 0; y < 400; ++y) {
            const int leaps = (IsGregorianLeap(y - 1) ? 4 : 0) + (IsGregorianLeap(y) ? 2 : 0) +
                              (IsGregorianLeap(y + 1) ? 1 : 0);
            calendars[static_cast<size_t>(y)] =
                static_cast<uint8_t>(leaps * kDaysPerWeek + WeekdayOf(GregorianDay(y, 1, 1)));
        }
        return calendars;
    }();
    YearKey key;
    key.era = static_cast<uint32_t>(era);
    key.calendar = kCalendarOfYear[static_cast<size_t>(
        FloorMod(century * kYearsPerCentury + yearOfCentury, 400))];
    if (hasWestern_) {
        key.easterDay = static_cast<uint8_t>(
            GregorianEasterMarchDay(parts, static_cast<int32_t>(yearOfCentury)));
    }
    key.orthodox.fill(kNoEaster);
    return key;
}

std::vector<uint16_t> HolidayCountTable::ComputeYear(int64_t year) const {
    std::vector<int64_t> dates;
    for (const RegionRules& region : regions_) {
        for (const DatedHoliday& holiday : RegionHolidaysInYear(region, year)) {
            dates.push_back(holiday.jdn);
        }
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    const int64_t firstDay = GregorianDay(year, 1, 1);
    std::vector<uint16_t> days;
    for (const int64_t jdn : dates) {
        if (!weekend_.Contains(WeekdayOf(jdn))) {
            days.push_back(static_cast<uint16_t>(jdn - firstDay));  // 0..365
        }
    }
    return days;
}

uint32_t HolidayCountTable::AddYearProfile(const std::vector<uint16_t>& days) {
    const auto found = profileOfDays_.find(days);
    if (found != profileOfDays_.end()) {
        return found->second;
    }
    const auto index = static_cast<uint32_t>(yearProfiles_.size());
    yearProfiles_.push_back(
        {static_cast<uint32_t>(days_.size()), static_cast<uint32_t>(days.size())});
    days_.insert(days_.end(), days.begin(), days.end());
    profileOfDays_.emplace(days, index);
    return index;
}

uint32_t HolidayCountTable::RegularYearProfile(int64_t year, const YearKey& key) {
    if (!hasOrthodox_) {
        uint32_t& memo =
            MemoOf(key.era).yearProfile[size_t{key.calendar} * kEasterDays + key.easterDay];
        if (memo == kNoProfile) {
            memo = AddYearProfile(ComputeYear(year));
        }
        return memo;
    }
    const auto found = yearProfileOfKey_.find(key);
    if (found != yearProfileOfKey_.end()) {
        return found->second;
    }
    const uint32_t profile = AddYearProfile(ComputeYear(year));
    yearProfileOfKey_.emplace(key, profile);
    return profile;
}

uint32_t HolidayCountTable::YearProfileOf(int64_t year) const {
    // Only for the regular years of a table with Orthodox rules, whose keys the
    // set-up has all seen.
    const auto found = yearProfileOfKey_.find(KeyOf(year));
    return found != yearProfileOfKey_.end() ? found->second : 0;
}

uint32_t HolidayCountTable::BuildCentury(int64_t century, bool regular) {
    const GregorianCenturyParts parts = GregorianEasterCentury(century);
    const size_t era = EraOf(century * kYearsPerCentury);
    CenturyProfile profile;
    for (int64_t c = 0; c < kYearsPerCentury; ++c) {
        const int64_t year = century * kYearsPerCentury + c;
        uint32_t index = 0;
        if (regular) {
            index = RegularYearProfile(year, KeyOfCenturyYear(era, century, parts, c));
        } else if (EraOf(year - 1) == EraOf(year + 1)) {
            index = RegularYearProfile(year, KeyOf(year));
        } else {
            index = AddYearProfile(ComputeYear(year));
        }
        profile.year[static_cast<size_t>(c)] = index;
        profile.before[static_cast<size_t>(c) + 1] =
            profile.before[static_cast<size_t>(c)] + yearProfiles_[index].count;
    }
    centuryProfiles_.push_back(profile);
    return static_cast<uint32_t>(centuryProfiles_.size() - 1);
}

const HolidayCountTable::YearProfile& HolidayCountTable::ProfileOfDay(int64_t jdn,
                                                                      int64_t& yearStart,
                                                                      int64_t* before) const {
    const int64_t year = GregorianDateOf(static_cast<int32_t>(jdn)).year;
    yearStart = GregorianDay(year, 1, 1);
    const int64_t century = FloorDiv(year, kYearsPerCentury);
    const auto c = static_cast<size_t>(year - century * kYearsPerCentury);
    const auto k = static_cast<size_t>(century - Centuries().first);
    if (centuryProfileOf_[k] != kNoProfile) {
        const CenturyProfile& profile = centuryProfiles_[centuryProfileOf_[k]];
        if (before != nullptr) {
            *before += countBefore_[k] + profile.before[c];
        }
        return yearProfiles_[profile.year[c]];
    }
    if (before != nullptr) {
        *before += countBefore_[k];
        const uint8_t* counts = yearCounts_.data() + k * kYearsPerCentury;
        for (size_t earlier = 0; earlier < c; ++earlier) {
            // A year with kManyHolidays or more keeps its count in its profile.
            *before += counts[earlier] < kManyHolidays
                           ? counts[earlier]
                           : yearProfiles_[YearProfileOf(century * kYearsPerCentury +
                                                         static_cast<int64_t>(earlier))]
                                 .count;
        }
    }
    return yearProfiles_[YearProfileOf(year)];
}

int64_t HolidayCountTable::CountThrough(int64_t jdn) const {
    if (noHolidays_ || jdn < FirstDay()) {
        return 0;
    }
    if (jdn > LastDay()) {
        return countBefore_.back();
    }
    int64_t yearStart = 0;
    int64_t before = 0;
    const YearProfile& profile = ProfileOfDay(jdn, yearStart, &before);
    const uint16_t* days = days_.data() + profile.start;
    const auto day = static_cast<uint16_t>(jdn - yearStart);
    return before + (std::upper_bound(days, days + profile.count, day) - days);
}

bool HolidayCountTable::IsHolidayOnWorkingWeekday(int64_t jdn) const {
    if (noHolidays_ || jdn < FirstDay() || jdn > LastDay() || weekend_.Contains(WeekdayOf(jdn))) {
        return false;
    }
    int64_t yearStart = 0;
    const YearProfile& profile = ProfileOfDay(jdn, yearStart, nullptr);
    const uint16_t* days = days_.data() + profile.start;
    return std::binary_search(days, days + profile.count, static_cast<uint16_t>(jdn - yearStart));
}

}  // namespace tembrel::holidays
