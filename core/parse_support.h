// Helpers the parsers share; not for use outside them.
#pragma once

#include "core/date_records.h"

namespace tembrel::parse_support {

// Writes the date fields of a parsed record into the caller's record: year,
// month, day, marker and jdn. The spare field stays as the caller had it.
inline void StoreDate(const CalDate& parsed, CalDate& date) {
    date.year = parsed.year;
    date.month = parsed.month;
    date.day = parsed.day;
    date.marker = parsed.marker;
    date.jdn = parsed.jdn;
}

}  // namespace tembrel::parse_support
