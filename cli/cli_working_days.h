// The working days that --weekend, --holidays, --holidays-file and
// --workdays-file choose, built once for the whole run: the rule file is read
// from beside the program (or ../share/tembrel/) only when regions are chosen.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "holidays/working_days.h"

namespace tembrel::cli {

struct CliWorkingDays {
    // Null when nothing was chosen: the engine's Saturday and Sunday.
    std::shared_ptr<const holidays::WorkingDays> workingDays;
    // 0 built; 2 a region or a file of the options is wrong; 3 the rule file
    // cannot be read.
    int exitCode = 0;
    std::string error;  // what is wrong, naming the option or the file
};

// Returns the path of the holiday rule file the program reads.
std::filesystem::path HolidayRuleFile();

// Builds the working days of `choice` with the rules of `ruleFile`.
CliWorkingDays BuildCliWorkingDays(const holidays::WorkingDaysChoice& choice,
                                   const std::filesystem::path& ruleFile);

}  // namespace tembrel::cli
