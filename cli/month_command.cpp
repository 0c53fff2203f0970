#include "cli/month_command.h"

#include <optional>

#include "cli/cli_request.h"
#include "compute/month_grid.h"
#include "core/number_text.h"
#include "core/string_utils.h"
#include "text/calendar_names.h"

namespace tembrel::cli {

namespace {

// Returns the month 1..12 a text names: its number (leading zeros allowed) or its
// full name in `language`, case ignored.
std::optional<int> MonthNumber(std::string_view text, LanguageCode language) {
    const std::string_view trimmed = TrimSpaces(text);
    if (IsDigitText(trimmed)) {
        const std::optional<int64_t> month = WholeNumberOf(trimmed);  // digits: always read
        if (month && *month >= 1 && *month <= 12) {
            return static_cast<int>(*month);
        }
        return std::nullopt;
    }
    const std::string wanted = LowerCase(trimmed);
    for (int month = 1; month <= 12; ++month) {
        if (LowerCase(MonthName(month, language)) == wanted) {
            return month;
        }
    }
    return std::nullopt;
}

}  // namespace

SubcommandResult MonthCommandOutput(const CliOptions& options,
                                    const holidays::WorkingDays* holidays) {
    const std::optional<int32_t> year = YearArgument(options.monthYear);
    if (!year) {
        return RefuseYear(options.monthYear);
    }
    const std::optional<int> month = MonthNumber(options.monthMonth, options.language);
    if (!month) {
        return RefuseSubcommand("the month must be 1..12 or a month's full name: '" +
                                options.monthMonth + "'");
    }
    if (options.iso && (options.julian || !options.monday)) {
        return RefuseSubcommand(
            "--iso shows ISO week dates only for Common Era months with weeks beginning on "
            "Monday: give --monday and leave out --julian");
    }
    const std::optional<MonthGrid> grid =
        BuildMonthGrid({.year = *year,
                        .month = *month,
                        .julian = options.julian,
                        .mondayFirst = options.monday,
                        .language = options.language,
                        .holidays = holidays != nullptr ? holidays->calendar.get() : nullptr});
    if (!grid) {
        return RefuseSubcommand("the month lies outside the supported range of day numbers: " +
                                options.monthYear + " " + options.monthMonth);
    }
    SubcommandResult result;
    result.out = ToUnixLineEnds(grid->text) + "\n";
    if (!grid->holidays.empty()) {
        result.out += '\n';
        result.out += ToUnixLineEnds(grid->holidays);
        result.out += '\n';
    }
    if (options.iso) {
        result.out += "\n";
        result.out += ToUnixLineEnds(BuildISOWeekDates(grid->gridStartJDN, grid->numWeekRows,
                                                       options.withYear, options.language));
        result.out += "\n";
    }
    return result;
}

int RunMonthCommand(const CliOptions& options, const holidays::WorkingDays* holidays) {
    return PrintSubcommandResult(MonthCommandOutput(options, holidays));
}

}  // namespace tembrel::cli
