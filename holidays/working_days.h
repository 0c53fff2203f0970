// The working days a computation counts with: the work calendar built from the
// user's choice (working_days_choice.h), and the names of what it leaves out or
// adds, which the notes of a count give. Built once per choice (the tables take
// milliseconds) and shared, immutable, by every computation and thread.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "holidays/file_error.h"
#include "holidays/holiday_data.h"
#include "holidays/work_calendar.h"
#include "holidays/working_days_choice.h"

namespace tembrel::holidays {

struct WorkingDays {
    std::shared_ptr<const WorkCalendar> calendar;  // never null
    // The chosen regions by their codes in the rule file ("DE-BY"), each once,
    // then the names of the user's holiday files (without their folders).
    std::vector<std::string> holidaySources;
    // The names of the user's files of extra working days.
    std::vector<std::string> workdaySources;

    Weekend weekend() const { return calendar->weekend(); }
    // Returns true for Saturday and Sunday without holidays or extra days.
    bool IsDefault() const {
        return weekend() == Weekend() && holidaySources.empty() && workdaySources.empty();
    }
};

// Returns the working days of Saturday and Sunday off without holidays, built
// once and shared.
const WorkingDays& DefaultWorkingDays();

// Why a choice cannot be built.
enum class SetupProblem : uint8_t {
    UnknownRegion,  // a code that is no region of the rule file
    RuleFile,       // the rule file cannot be read (regions were chosen)
    HolidayFile,    // a holiday file cannot be read
    WorkdayFile,    // a file of extra working days cannot be read
};

struct SetupError {
    SetupProblem problem = SetupProblem::UnknownRegion;
    std::string region;                     // UnknownRegion: the code as given
    std::vector<std::string> knownRegions;  // UnknownRegion: the codes the rule file has
    FileError file;                         // the others: the file's problem
};

// Returns the message for an error in English or German: 'there is no region
// "XX" (the regions are DE, DE-BW, ...)', or the file's error naming its line.
std::string DescribeSetupError(const SetupError& error, NameLanguage language);

// Builds the working days of `choice` with the regions of `rules`. Returns
// nothing and sets `error` when a region is unknown or a file cannot be read;
// the first problem in the order regions, holiday files, working day files.
std::shared_ptr<const WorkingDays> BuildWorkingDays(const WorkingDaysChoice& choice,
                                                    const HolidayData& rules, SetupError& error);

// The same, reading the rule file at `ruleFile` only when regions are chosen.
std::shared_ptr<const WorkingDays> BuildWorkingDays(const WorkingDaysChoice& choice,
                                                    const std::filesystem::path& ruleFile,
                                                    SetupError& error);

}  // namespace tembrel::holidays
