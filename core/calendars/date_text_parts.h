// Reading the numbers of a date text: the parts between the separators, each
// with its sign and, for the Chinese calendar, its leap mark. Shared by the
// text forms of every calendar of years, months and days, the Chinese calendar
// and the Maya long count.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tembrel {

// One number of a date text.
struct DatePart {
    int64_t magnitude = 0;  // at most kWholeNumberCap (core/number_text.h): longer runs saturate
    bool negative = false;  // written with a leading "-"
    bool leapMark = false;  // followed by "L" or "l"

    // Returns the value when it fits 32 bits.
    std::optional<int32_t> Value() const;
};

inline constexpr int kMaxDateParts = 5;
using DateParts = std::array<DatePart, kMaxDateParts>;

// Reads `count` parts (at most kMaxDateParts) separated by `separator`: each
// an optional "-", one or more digits and, when `leapMarks` is set, an optional
// "L" or "l". Every character other than the digits, "-", the separator and the
// leap marks is dropped first, as the Common Era reader does, so spaces, a
// trailing calendar code, grouping commas and the parentheses around a negative
// year (15-03-(-45)) vanish. With "-" as separator a "-" at the start of a part
// is its sign (-45-03-15, 15-03--45). Returns empty for any other shape.
std::optional<DateParts> ReadDateParts(std::string_view text, char separator, int count,
                                       bool leapMarks);

}  // namespace tembrel
