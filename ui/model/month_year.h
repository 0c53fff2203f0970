// Reading the year typed into the month window's year field.
#pragma once

#include <cstdint>
#include <string_view>

namespace tembrel {

// What a year text holds once spaces and every character other than digits and
// one leading sign of each kind are dropped.
enum class YearTextStatus : int16_t {
    Empty,       // nothing is left: no digit and no sign
    NotANumber,  // only signs are left ("+", "-"), or both signs ("-+5")
    OutOfRange,  // a whole number whose magnitude does not fit in 32 bits
    Valid,       // a whole number; `year` holds it
};

struct YearReading {
    YearTextStatus status = YearTextStatus::Empty;
    int32_t year = 0;  // set only when the status is Valid
};

// Reads a year as the month window does: trims spaces at both ends, keeps the
// digits and one leading "+" and "-" (KeepDigitsAndSign with the minus allowed),
// and reads the rest as a signed whole number, so "20a9" reads 209 and "- 45"
// reads -45. Any length of text is read without overflow.
YearReading ReadYearText(std::string_view text);

// Returns true when the text, trimmed of spaces, is exactly an optional sign and
// one or more digits ("-45", "+2009"), the strict form the command line asks for.
bool IsPlainYearText(std::string_view text);

}  // namespace tembrel
