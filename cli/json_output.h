// The JSON output: one object per computation on one line (JSON Lines), made
// with nlohmann-json.
#pragma once

#include <cstddef>
#include <string>

#include "cli/computation_record.h"

namespace tembrel::cli {

// Appends the record as one JSON object and a line end. `line` is the number of
// the batch's input line (from 1), written as "line"; 0 outside batch mode, where
// "line" is null. Bytes of the input that are not UTF-8 are written as U+FFFD,
// so that the output is always valid JSON.
void AppendJson(const ComputationRecord& record, size_t line, std::string& out);

}  // namespace tembrel::cli
