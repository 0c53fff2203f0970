// The all subcommand: one date in every notation a user can choose, one line
// each: the code, a tab, the date in that notation (empty where the notation has
// no date for the day), a tab, the notation's name in the chosen language.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "text/program_text.h"

namespace tembrel::cli {

// Reads the arguments of the all subcommand from `next` on: DATE, --first-cal,
// the format options (--order, --sep, --thousands, --no-hyphen), --lang and
// --help, each value after its option or after "=".
void ParseAllCommand(const std::vector<std::string>& arguments, size_t next,
                     ParsedCommandLine& parsed);

// What the all subcommand prints and its exit status.
struct AllCommandResult {
    int exitCode = 0;  // 0 printed, 1 the date was refused
    std::string out;   // one line per notation
    std::string err;   // the message of a refused date
};

// Reads DATE in the notation of --first-cal with the format options and lists
// it in every notation, written with the same options.
AllCommandResult AllCommandOutput(const CliOptions& options, const ProgramTexts& texts);

}  // namespace tembrel::cli
