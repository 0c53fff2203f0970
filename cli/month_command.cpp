#include "cli/month_command.h"

#include <cstdio>
#include <optional>

#include "cli/cli_request.h"
#include "compute/month_grid.h"
#include "core/number_text.h"
#include "core/string_utils.h"
#include "text/calendar_names.h"

namespace tembrel::cli {

namespace {

constexpr int kExitUsage = 2;

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

MonthCommandResult Refuse(std::string message) {
    return {kExitUsage, {}, "tembrel-cli: " + message + "\n"};
}

}  // namespace

MonthCommandResult MonthCommandOutput(const CliOptions& options) {
    const std::optional<int64_t> year = WholeNumberOf(TrimSpaces(options.monthYear));
    if (!year || *year < INT32_MIN || *year > INT32_MAX) {
        return Refuse("the year must be a whole number, such as 2009 or -45: '" +
                      options.monthYear + "'");
    }
    const std::optional<int> month = MonthNumber(options.monthMonth, options.language);
    if (!month) {
        return Refuse("the month must be 1..12 or a month's full name: '" + options.monthMonth +
                      "'");
    }
    if (options.iso && (options.julian || !options.monday)) {
        return Refuse(
            "--iso shows ISO week dates only for Common Era months with weeks beginning on "
            "Monday: give --monday and leave out --julian");
    }
    const std::optional<MonthGrid> grid = BuildMonthGrid({.year = static_cast<int32_t>(*year),
                                                          .month = *month,
                                                          .julian = options.julian,
                                                          .mondayFirst = options.monday,
                                                          .language = options.language});
    if (!grid) {
        return Refuse("the month lies outside the supported range of day numbers: " +
                      options.monthYear + " " + options.monthMonth);
    }
    MonthCommandResult result;
    result.out = ToUnixLineEnds(grid->text) + "\n";
    if (options.iso) {
        result.out += "\n";
        result.out += ToUnixLineEnds(BuildISOWeekDates(grid->gridStartJDN, grid->numWeekRows,
                                                       options.withYear, options.language));
        result.out += "\n";
    }
    return result;
}

int RunMonthCommand(const CliOptions& options, const ProgramTexts&) {
    const MonthCommandResult result = MonthCommandOutput(options);
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}

}  // namespace tembrel::cli
