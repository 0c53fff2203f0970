#include "holidays/working_days.h"

#include <algorithm>

#include "holidays/holiday_data_file.h"
#include "holidays/user_day_files.h"

namespace tembrel::holidays {

namespace {

std::string FileNameOf(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    return name.empty() ? path : name;
}

std::vector<std::string> RegionCodes(const HolidayData& rules) {
    std::vector<std::string> codes;
    for (const RegionEntry& entry : rules.entries()) {
        if (!entry.isGroup) {
            codes.push_back(entry.code);
        }
    }
    return codes;
}

}  // namespace

const WorkingDays& DefaultWorkingDays() {
    static const WorkingDays kDefault{std::make_shared<const WorkCalendar>(), {}, {}};
    return kDefault;
}

std::string DescribeSetupError(const SetupError& error, NameLanguage language) {
    if (error.problem != SetupProblem::UnknownRegion) {
        return DescribeFileError(error.file, language);
    }
    const bool german = language == NameLanguage::German;
    std::string message = german ? "es gibt keine Region \"" : "there is no region \"";
    message += error.region;
    message += german ? "\" (die Regionen sind " : "\" (the regions are ";
    for (size_t i = 0; i < error.knownRegions.size(); ++i) {
        message += i == 0 ? "" : ", ";
        message += error.knownRegions[i];
    }
    message += ')';
    return message;
}

std::shared_ptr<const WorkingDays> BuildWorkingDays(const WorkingDaysChoice& choice,
                                                    const HolidayData& rules, SetupError& error) {
    WorkingDays built;
    std::vector<RegionRules> regions;
    for (const std::string& code : choice.regions) {
        const RegionEntry* region = rules.FindRegion(code);
        if (region == nullptr) {
            error = {SetupProblem::UnknownRegion, code, RegionCodes(rules), {}};
            return nullptr;
        }
        const auto& sources = built.holidaySources;
        if (std::find(sources.begin(), sources.end(), region->code) == sources.end()) {
            built.holidaySources.push_back(region->code);
            regions.push_back(rules.ResolveRegion(*region));
        }
    }
    std::vector<UserDay> holidays;
    for (const std::string& path : choice.holidayFiles) {
        std::optional<UserHolidays> read = LoadHolidayFile(path, error.file);
        if (!read) {
            error.problem = SetupProblem::HolidayFile;
            return nullptr;
        }
        holidays.insert(holidays.end(), read->days.begin(), read->days.end());
        if (!read->yearly.rules.empty()) {
            regions.push_back(std::move(read->yearly));
        }
        built.holidaySources.push_back(FileNameOf(path));
    }
    std::vector<UserDay> workdays;
    for (const std::string& path : choice.workdayFiles) {
        std::optional<std::vector<UserDay>> read = LoadWorkdayFile(path, error.file);
        if (!read) {
            error.problem = SetupProblem::WorkdayFile;
            return nullptr;
        }
        workdays.insert(workdays.end(), read->begin(), read->end());
        built.workdaySources.push_back(FileNameOf(path));
    }
    built.calendar = std::make_shared<const WorkCalendar>(choice.weekend, std::move(regions),
                                                          std::move(holidays), std::move(workdays));
    return std::make_shared<const WorkingDays>(std::move(built));
}

std::shared_ptr<const WorkingDays> BuildWorkingDays(const WorkingDaysChoice& choice,
                                                    const std::filesystem::path& ruleFile,
                                                    SetupError& error) {
    if (choice.regions.empty()) {
        return BuildWorkingDays(choice, HolidayData(), error);
    }
    std::optional<HolidayData> rules = LoadHolidayData(ruleFile, error.file);
    if (!rules) {
        error.problem = SetupProblem::RuleFile;
        return nullptr;
    }
    return BuildWorkingDays(choice, *rules, error);
}

}  // namespace tembrel::holidays
