// The engine's request for what the command line asks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/cli_options.h"
#include "compute/compute_request.h"

namespace tembrel::cli {

// Returns the request for the fields, calendars and options of the command line,
// with `today` as today's day number, the working days built from the options
// (null: the default) and LF line ends. The text format wants only the report;
// JSON and TSV want the fields too, and the report as one line. Its texts are
// views into `options`, which must outlive it, as must `workingDays`.
ComputeRequest RequestFor(const CliOptions& options, int32_t today,
                          const holidays::WorkingDays* workingDays = nullptr);

// Returns the text with every CR LF turned into LF.
std::string ToUnixLineEnds(std::string_view text);

}  // namespace tembrel::cli
