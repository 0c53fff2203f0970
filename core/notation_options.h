// The format options that decide how a date is written and read in every
// notation.
#pragma once

#include <string>

#include "core/calendar_codes.h"
#include "core/calendar_tables.h"

namespace tembrel {

struct NotationOptions {
    DateOrder order = DateOrder::YMD;        // dates of years, months and days
    std::string dateSep{kDefaultDateSep};    // dates of years, months and days: "-", "/" or "."
    std::string thousSep{kDefaultThousSep};  // day numbers and long years: ",", "." or ""
    bool hyphen = true;                      // ORD and ISO: 2008-061 and 2008-W01-1, else 2008061
};

}  // namespace tembrel
