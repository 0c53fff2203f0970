#include "cli/cli_request.h"

namespace tembrel::cli {

ComputeRequest RequestFor(const CliOptions& options, int32_t today,
                          const holidays::WorkingDays* workingDays) {
    ComputeRequest request;
    request.firstDate = options.first;
    request.difference = options.diff;
    request.secondDate = options.second;
    request.firstCalendar = options.firstCal;
    request.secondCalendar = options.secondCal;
    request.unit = options.months ? DifferenceUnit::Months : DifferenceUnit::Days;
    request.notation.order = options.order;
    request.notation.dateSep = options.dateSep;
    request.notation.thousSep = options.thousSep;
    request.notation.hyphen = options.noHyphen ? 0 : 1;
    request.includeFirstDate = options.includeFirst;
    request.countWeekends = !options.weekdaysOnly;
    request.workingDays = workingDays;
    request.verbose = !options.terse;
    request.language = options.language;
    request.today = today;
    request.lineEnd = "\n";
    // The text format shows only the report, and spares the copies of the fields.
    const bool structured = options.format != OutputFormat::Text;
    request.keepFields = structured;
    request.oneLine = structured;
    return request;
}

std::string ToUnixLineEnds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    size_t position = 0;
    while (position < text.size()) {
        const size_t lineEnd = text.find("\r\n", position);
        if (lineEnd == std::string_view::npos) {
            result.append(text.substr(position));
            break;
        }
        result.append(text.substr(position, lineEnd - position));
        result.push_back('\n');
        position = lineEnd + 2;
    }
    return result;
}

}  // namespace tembrel::cli
