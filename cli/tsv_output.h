// The TSV output: a header line naming the columns, then one row per
// computation, the cells separated by tabs. A cell holds a backslash, a tab, a
// line feed or a carriage return as \\, \t, \n or \r, so that every row is one
// line of as many cells as the header; an absent value is an empty cell.
#pragma once

#include <string>
#include <string_view>

#include "cli/computation_record.h"

namespace tembrel::cli {

// Returns the header line, with its line end.
const std::string& TsvHeader();

// Appends the record as one row and a line end.
void AppendTsvRow(const ComputationRecord& record, std::string& out);

// Appends a cell's text with its backslashes, tabs and line ends escaped.
void AppendTsvCell(std::string_view text, std::string& out);

}  // namespace tembrel::cli
