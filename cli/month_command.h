// The month subcommand: prints the month grid (and the ISO week panel) of a
// Common Era or Julian month, the same text the month window shows, with LF line
// ends; with --holidays or --holidays-file its holidays marked and listed.
#pragma once

#include "cli/cli_options.h"
#include "cli/subcommand.h"
#include "holidays/working_days.h"

namespace tembrel::cli {

// Builds the output of the month named by the options: YEAR is a whole number
// (an optional sign and digits), MONTH 1..12 or the month's full name in the
// chosen language (case ignored). --iso needs --monday and the Common Era
// calendar. The holidays of `holidays` are marked (null: none).
// The output is the grid, then after an empty line the month's holidays (when
// some are marked), then with --iso an empty line and the ISO panel.
SubcommandResult MonthCommandOutput(const CliOptions& options,
                                    const holidays::WorkingDays* holidays = nullptr);

// Prints the grid of the month named by the options; returns the exit status.
int RunMonthCommand(const CliOptions& options, const holidays::WorkingDays* holidays);

}  // namespace tembrel::cli
