// Reading the whole numbers inside texts (date parts, years, settings values)
// through std::from_chars, with saturation: a number of any length reads
// without overflow, and one beyond every limit of the program stays "too large".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tembrel {

// The magnitude at which the readers stop counting. It lies far beyond every
// year, week, day number or settings limit, so a clamped value is still "too
// large".
inline constexpr int64_t kWholeNumberCap = int64_t{1} << 40;

// A whole number read from the front of a text.
struct LeadingNumber {
    int64_t value = 0;  // [-kWholeNumberCap, kWholeNumberCap]
    size_t length = 0;  // the characters read, sign included; 0 when no digit was read
};

// Reads an optional "+" or "-" and the ASCII digits after it from the front of
// `text`; what follows them is left alone. Magnitudes above kWholeNumberCap read
// as kWholeNumberCap (with the sign). A sign without a digit after it reads
// nothing (length 0).
LeadingNumber ReadLeadingNumber(std::string_view text);

// Reads a text that is exactly an optional "+" or "-" followed by one or more
// ASCII digits, saturating as ReadLeadingNumber. Empty for every other text,
// including a sign alone.
std::optional<int64_t> WholeNumberOf(std::string_view text);

}  // namespace tembrel
