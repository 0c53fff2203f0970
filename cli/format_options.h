// The options that shape how dates and numbers are read and written and in
// which language, shared by the main command line and the all subcommand:
// --order, --sep, --thousands and --lang.
#pragma once

#include <string>
#include <string_view>

#include "cli/cli_options.h"

namespace tembrel::cli {

// Returns true for the names of these options, which each take a value.
bool IsFormatOption(std::string_view name);

// Sets the option `name` (one of IsFormatOption) to `value`; returns the
// refusal ("--sep takes -, / or .") of a value the option does not take, else
// the empty text.
std::string ReadFormatOption(std::string_view name, std::string_view value, CliOptions& options);

}  // namespace tembrel::cli
