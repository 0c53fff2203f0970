// The messages shown when the language data file cannot be loaded. They are in
// English only: they can appear before any language is known.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "libs/zidiva6/load_outcome.h"

namespace tembrel {

// Returns the message for result code `r` of the text library's lt; empty for a
// success (r >= 1). Code -1 names `full_path` on a second line. Line codes give
// "Missing string at line n." (r = -500 - n, n = 1..500), "String too long at
// line n." (r = -1000 - n, n = 1..500) and "Duplicate in program text at line
// n." (r below -1500); -5 and -9 .. -500 give "Error " and the code.
std::string LoadResultMessage(int32_t r, std::string_view full_path);

// Returns the message for a load outcome; empty for a success. Unlike a result
// code, an outcome carries every line number, so line errors beyond line 500 are
// named exactly, and a line that is not UTF-8 text or not an entry is named
// below "Error reading file.".
std::string LoadOutcomeMessage(const zidiva6::LoadOutcome& outcome, std::string_view full_path);

}  // namespace tembrel
