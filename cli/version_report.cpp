#include "cli/version_report.h"

#include <string_view>
#include <system_error>

// Only the file's name is taken from the holiday rules, none of their code.
#include "holidays/holiday_data_file.h"
#include "tembrel_version.h"
#include "text/program_text.h"
#include "text/program_text_location.h"

namespace tembrel::cli {

std::string VersionReport(const std::filesystem::path& executableFolder) {
    std::string report = "tembrel-cli (";
    report += kProjectName;
    report += ") ";
    report += kVersionText;
    report += '\n';
    for (const std::string_view name : {kProgramTextFileName, holidays::kHolidayDataFileName}) {
        const std::filesystem::path path = LocateDataFile(executableFolder, name);
        std::error_code error;
        report += name;
        report += ": ";
        report += std::filesystem::is_regular_file(path, error) ? path.string() : "not found";
        report += '\n';
    }
    return report;
}

}  // namespace tembrel::cli
