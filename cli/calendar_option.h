// The calendar codes the command line takes for --first-cal and --second-cal:
// every notation of the table a user can choose.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calendar_codes.h"

namespace tembrel::cli {

// Returns the notation of a code as typed ("HEB"), or nothing for a text that
// names no listed notation.
std::optional<CalendarCode> CalendarOption(std::string_view value);

// Returns the refusal of a value that names no notation: "--first-cal takes CE,
// JC, ... or XLS".
std::string CalendarRefusal(std::string_view option);

// Returns the codes as the usage text lists them, "CE, JC, ... or XLS", and the
// words of `after`, broken into lines of at most `width` characters, each after
// the first starting with `indent` spaces; the first line holds `firstWidth`
// characters at most.
std::string CalendarCodeLines(std::string_view after, size_t firstWidth, size_t width,
                              size_t indent);

}  // namespace tembrel::cli
