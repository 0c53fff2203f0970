// The month subcommand: prints the month grid (and the ISO week panel) of a
// Common Era or Julian month.
#pragma once

#include "cli/cli_options.h"
#include "text/program_text.h"

namespace tembrel::cli {

// Prints the grid of the month named by the options; returns the exit status.
int RunMonthCommand(const CliOptions& options, const ProgramTexts& texts);

}  // namespace tembrel::cli
