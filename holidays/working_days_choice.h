// What the user chose to count as working days: the weekend, the regions whose
// public holidays are days off, and the user's own holiday and extra working
// day files. The command line, the window's dialog and the settings file each
// fill one; BuildWorkingDays (working_days.h) turns it into a work calendar.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/weekend.h"

namespace tembrel::holidays {

struct WorkingDaysChoice {
    Weekend weekend;                        // Saturday and Sunday unless chosen
    std::vector<std::string> regions;       // ISO 3166 codes, as given
    std::vector<std::string> holidayFiles;  // paths of day lists or iCalendar files
    std::vector<std::string> workdayFiles;  // paths of day lists of extra working days

    // Returns true for Saturday and Sunday without holidays or extra days: the
    // working days the program counts when nothing else is chosen.
    bool IsDefault() const {
        return weekend == Weekend() && regions.empty() && holidayFiles.empty() &&
               workdayFiles.empty();
    }
    friend bool operator==(const WorkingDaysChoice&, const WorkingDaysChoice&) = default;
};

// Reads a comma-separated list of region codes ("DE-BY,AT"; blanks around the
// codes allowed). Empty for an empty text or an empty item. The codes are not
// looked up here: BuildWorkingDays says which one is unknown.
std::optional<std::vector<std::string>> ParseRegionList(std::string_view text);

// Writes the codes as ParseRegionList reads them: "DE-BY,AT".
std::string FormatRegionList(const std::vector<std::string>& regions);

}  // namespace tembrel::holidays
