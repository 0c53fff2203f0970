// Reading the year typed into the month window's year field.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/parse_status.h"

namespace tembrel {

// Reads a year as the month window does: trims spaces at both ends, keeps the
// digits and one leading "+" and "-" (KeepDigitsAndSign with the minus allowed),
// and reads the rest as a signed whole number, so "20a9" reads 209 and "- 45"
// reads -45. Invalid when nothing is left, only signs are left ("+", "-") or
// both ("-+5"); OutOfRange for a number beyond 32 bits. Any length of text is
// read without overflow.
Parsed<int32_t> ReadYearText(std::string_view text);

// Returns true when the text, trimmed of spaces, is exactly an optional sign and
// one or more digits ("-45", "+2009"), the strict form the command line asks for.
bool IsPlainYearText(std::string_view text);

}  // namespace tembrel
