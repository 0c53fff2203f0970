// The public holidays the program knows: regions by ISO 3166 code, each with
// its own rules and the regions or groups it includes, as read from the holiday
// rule file (holiday_data_file.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/holiday_rule.h"

namespace tembrel::holidays {

struct RegionEntry {
    std::string code;  // "DE-BY", or the name of a group ("uk-royal")
    HolidayName name;  // empty for a group
    bool isGroup = false;
    std::vector<std::string> includes;  // codes or group names, in file order
    RegionRules own;                    // the rules written in the region itself
};

class HolidayData {
  public:
    HolidayData() = default;
    explicit HolidayData(std::vector<RegionEntry> entries) : entries_(std::move(entries)) {}

    const std::vector<RegionEntry>& entries() const { return entries_; }

    // Returns the region with this code (letters in any case), never a group;
    // nullptr when there is none.
    const RegionEntry* FindRegion(std::string_view code) const;

    // Returns the rules of a region with everything it includes, the included
    // ones first (in the order of the include lines, each once). The region must
    // exist; the file reader has refused include cycles.
    RegionRules ResolveRegion(const RegionEntry& region) const;

  private:
    const RegionEntry* FindEntry(std::string_view code) const;
    void AppendResolved(const RegionEntry& entry, std::vector<const RegionEntry*>& done,
                        RegionRules& rules) const;

    std::vector<RegionEntry> entries_;
};

}  // namespace tembrel::holidays
