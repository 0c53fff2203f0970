#include "cli/record_output.h"

#include "cli/json_output.h"
#include "cli/tsv_output.h"

namespace tembrel::cli {

std::string_view OutputHeader(OutputFormat format) {
    return format == OutputFormat::Tsv ? std::string_view(TsvHeader()) : std::string_view();
}

void AppendRecord(OutputFormat format, const ComputationRecord& record, size_t line,
                  std::string& out) {
    if (format == OutputFormat::Tsv) {
        AppendTsvRow(record, out);
    } else {
        AppendJson(record, line, out);
    }
}

}  // namespace tembrel::cli
