// The holidays subcommand: the public holidays of one or more regions in a
// year, one line each: yyyy-mm-dd, a tab, the day of the week, a tab, the name
// (in German with --lang de).
#pragma once

#include "cli/cli_options.h"
#include "cli/subcommand.h"
#include "holidays/working_days.h"

namespace tembrel::cli {

// Builds the lines of the year named by the options, from the regions built
// into `holidays`. The year is any whole number whose days lie in the accepted
// range; years without a rule print nothing.
SubcommandResult HolidaysCommandOutput(const CliOptions& options,
                                       const holidays::WorkingDays& holidays);

}  // namespace tembrel::cli
