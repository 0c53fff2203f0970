// The text form of the day counts (MJD, RD, LIL, UNX, XLS): a whole number,
// written with the thousands separator of the options (51,544; 946,684,800)
// and read as the program reads whole numbers: optional blanks, one optional
// sign, the digits, optionally grouped in threes by "," or "." (one of them
// throughout), optional blanks. Unix time reads any second of a day as that
// day and writes the day's midnight.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/calendars/day_counts.h"
#include "core/notation.h"
#include "core/parse_status.h"
#include "core/text_appender.h"

namespace tembrel {

// A whole number read from text.
struct WholeNumber {
    ParseStatus status = ParseStatus::Invalid;
    int64_t value = 0;  // meaningful only when the status is Valid
};

// Reads a whole number as above; OutOfRange beyond ±2^59.
WholeNumber ReadGroupedWholeNumber(std::string_view text);

// Adds a whole number with `thousSep` between the groups of three digits (none
// when it is empty).
void AppendGroupedNumber(TextAppender& out, int64_t value, std::string_view thousSep);

ParsedDay ReadDayCountText(std::string_view text, DayCount count);
void AppendDayCountText(int32_t jdn, DayCount count, const NotationOptions& options,
                        TextAppender& out);

}  // namespace tembrel
