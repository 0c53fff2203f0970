#include "holidays/holiday_data.h"

#include <algorithm>

#include "holidays/text_scan.h"

namespace tembrel::holidays {

const RegionEntry* HolidayData::FindEntry(std::string_view code) const {
    for (const RegionEntry& entry : entries_) {
        if (entry.code == code) {
            return &entry;
        }
    }
    return nullptr;
}

const RegionEntry* HolidayData::FindRegion(std::string_view code) const {
    for (const RegionEntry& entry : entries_) {
        if (!entry.isGroup && EqualsIgnoringCase(entry.code, code)) {
            return &entry;
        }
    }
    return nullptr;
}

void HolidayData::AppendResolved(const RegionEntry& entry, std::vector<const RegionEntry*>& done,
                                 RegionRules& rules) const {
    if (std::find(done.begin(), done.end(), &entry) != done.end()) {
        return;
    }
    done.push_back(&entry);
    for (const std::string& include : entry.includes) {
        if (const RegionEntry* included = FindEntry(include)) {
            AppendResolved(*included, done, rules);
        }
    }
    rules.rules.insert(rules.rules.end(), entry.own.rules.begin(), entry.own.rules.end());
    rules.names.insert(rules.names.end(), entry.own.names.begin(), entry.own.names.end());
}

RegionRules HolidayData::ResolveRegion(const RegionEntry& region) const {
    RegionRules rules;
    rules.code = region.code;
    std::vector<const RegionEntry*> done;
    AppendResolved(region, done, rules);
    return rules;
}

}  // namespace tembrel::holidays
