// Whole numbers as the user types them into a day-number field or the
// difference field, and as the program writes them back.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/parse_status.h"

namespace tembrel {

// Reads a whole number: optional blanks (spaces, tabs), one optional "+" or "-",
// digits, optional blanks. The digits may be grouped in threes by "," or by "."
// (one of the two throughout, whatever the thousands separator option, so that a
// number the program wrote under another setting reads back): "2,454,481",
// "-2.454.481"; the first group has one to three digits, every later group
// exactly three. Everything else is Invalid ("2454000,5", "1-2", "1.5", "+-5",
// "5 JDN"). A magnitude above 2,100,000,000 (kMaxJDN) is OutOfRange, however
// many digits it has.
Parsed<int32_t> ParseWholeNumber(std::string_view text);

}  // namespace tembrel
