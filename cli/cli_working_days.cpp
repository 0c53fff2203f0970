#include "cli/cli_working_days.h"

#include "holidays/holiday_data_file.h"
#include "text/program_text_location.h"

namespace tembrel::cli {

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitNoDataFile = 3;

}  // namespace

std::filesystem::path HolidayRuleFile() {
    return LocateDataFile(ExecutableFolder(), holidays::kHolidayDataFileName);
}

CliWorkingDays BuildCliWorkingDays(const holidays::WorkingDaysChoice& choice,
                                   const std::filesystem::path& ruleFile) {
    CliWorkingDays result;
    if (choice.IsDefault()) {
        return result;
    }
    holidays::SetupError error;
    result.workingDays = holidays::BuildWorkingDays(choice, ruleFile, error);
    if (result.workingDays) {
        return result;
    }
    const std::string message =
        holidays::DescribeSetupError(error, holidays::NameLanguage::English);
    switch (error.problem) {
        case holidays::SetupProblem::UnknownRegion:
            result = {nullptr, kExitUsage, message};
            break;
        case holidays::SetupProblem::RuleFile:
            result = {nullptr, kExitNoDataFile, "the holiday rules: " + message};
            break;
        case holidays::SetupProblem::HolidayFile:
            result = {nullptr, kExitUsage, "--holidays-file: " + message};
            break;
        case holidays::SetupProblem::WorkdayFile:
            result = {nullptr, kExitUsage, "--workdays-file: " + message};
            break;
    }
    return result;
}

}  // namespace tembrel::cli
