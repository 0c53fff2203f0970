// Batch mode: every line of the input is a first date, computed on its own with
// the options of the command line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "holidays/working_days.h"
#include "text/program_text.h"

namespace tembrel::cli {

// Reads `input` to its end and computes every line (LF or CR LF line ends; a last
// line without a line end counts). Each input line gives exactly one line on
// `output`. In the text format that is the report, or an empty line when the
// input line is empty, holds only blanks, or was refused; in JSON and TSV it is
// the line's record, whatever became of the line (TSV puts its header line
// first). A line longer than kMaxLineBytes is refused unread. Returns the
// refusals as "line N: message", in input order.
//
// The input is read and the output written in blocks of a few thousand lines, so
// that memory stays small whatever the length of the input; up to `threads`
// workers, each with its own request and result, compute the blocks, and the output
// keeps the order of the input.
// Working days are counted on `workingDays` (null: the default), which every
// worker reads.
std::vector<std::string> RunBatch(std::FILE* input, std::FILE* output, const CliOptions& options,
                                  const ProgramTexts& texts, int32_t today, unsigned threads,
                                  const holidays::WorkingDays* workingDays = nullptr);

}  // namespace tembrel::cli
