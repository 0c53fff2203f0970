// One computation as the structured output formats give it: the input texts,
// what was computed, each date with its calendar, text, day number and weekday,
// the difference and its breakdown, the report line and the message. The JSON
// and the TSV output write the same record, so that they always agree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compute/compute_request.h"
#include "compute/compute_result.h"
#include "core/calendar_codes.h"
#include "text/program_text.h"

namespace tembrel::cli {

// A date that was read or computed.
struct DateRecord {
    CalendarCode calendar = CalendarCode::CE;
    std::string text;  // in the calendar's notation, with the options given
    int32_t jdn = 0;
    std::string_view weekday;  // its name in the request's language
    int isoWeekday = 0;        // 1 Monday .. 7 Sunday
};

// Why an input was refused.
struct MessageRecord {
    std::string_view code;  // a name that never changes with the language: "first_date_invalid"
    std::string text;       // worded in the request's language, its lines joined by "\n"
};

// The message code of a batch line that was too long to be read.
inline constexpr std::string_view kLineTooLongCode = "line_too_long";

struct ComputationRecord {
    // The input texts as given; no first text for a batch line too long to be read.
    std::optional<std::string_view> firstInput;
    std::string_view differenceInput;
    std::string_view secondInput;

    ComputeKind kind = ComputeKind::None;
    std::optional<DateRecord> first;
    std::optional<DateRecord> second;
    // The difference field in its normal form and as a number: days given or
    // counted, or months added; none where nothing of the kind was computed.
    std::optional<std::string_view> difference;
    std::optional<int32_t> days;
    std::optional<int32_t> months;
    std::optional<Breakdown> breakdown;
    std::string_view report;  // the report line without its line end; empty when refused
    std::optional<MessageRecord> message;
};

// Returns the record of a computation: `result` is what Compute gave for
// `request` with keepFields set, and `report` the report it wrote. The record
// refers to the texts of all three, which must outlive it.
ComputationRecord RecordOf(const ComputeRequest& request, const ComputeResult& result,
                           std::string_view report, const ProgramTexts& texts);

// Returns the name of a kind of computation for scripts: "none", "conversion",
// "days_between", "date_from_days" or "date_from_months".
std::string_view KindName(ComputeKind kind);

// Returns the code of a message for scripts, such as "first_date_invalid"; the
// empty text for ComputeMessage::None.
std::string_view MessageCode(ComputeMessage message);

}  // namespace tembrel::cli
