// The structured output formats, JSON and TSV, behind one call for the single
// computation and the batch alike.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/cli_options.h"
#include "cli/computation_record.h"

namespace tembrel::cli {

// Returns what the output of a structured format begins with, once: the header
// line of TSV, nothing for JSON (and for text).
std::string_view OutputHeader(OutputFormat format);

// Appends the record as one line of `format` (JSON or TSV). `line` is the batch's
// input line (from 1), or 0 outside batch mode.
void AppendRecord(OutputFormat format, const ComputationRecord& record, size_t line,
                  std::string& out);

}  // namespace tembrel::cli
