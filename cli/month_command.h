// The month subcommand: prints the month grid (and the ISO week panel) of a
// Common Era or Julian month, the same text the month window shows, with LF line
// ends.
#pragma once

#include <string>

#include "cli/cli_options.h"
#include "text/program_text.h"

namespace tembrel::cli {

// What the month subcommand prints and its exit status.
struct MonthCommandResult {
    int exitCode = 0;  // 0 printed, 2 the year, month or options are not usable
    std::string out;   // the grid, then with --iso an empty line and the ISO panel
    std::string err;   // one line saying what is wrong
};

// Builds the output of the month named by the options: YEAR is a whole number
// (an optional sign and digits), MONTH 1..12 or the month's full name in the
// chosen language (case ignored). --iso needs --monday and the Common Era
// calendar.
MonthCommandResult MonthCommandOutput(const CliOptions& options);

// Prints the grid of the month named by the options; returns the exit status.
int RunMonthCommand(const CliOptions& options, const ProgramTexts& texts);

}  // namespace tembrel::cli
