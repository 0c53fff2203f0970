// Batch mode: every line of the input is a first date, computed on its own with
// the options of the command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "text/program_text.h"

namespace tembrel::cli {

struct BatchResult {
    std::string output;               // one line per input line, LF line ends
    std::vector<std::string> errors;  // "line N: message", in input order
};

// Computes every line of `input` (LF or CR LF line ends; a last line without a
// line end counts). Each input line gives exactly one output line: the report,
// or an empty line when the input line is empty or was refused. The lines are
// shared among `threads` workers, each with its own window state.
BatchResult RunBatch(std::string_view input, const CliOptions& options, const ProgramTexts& texts,
                     unsigned threads);

}  // namespace tembrel::cli
