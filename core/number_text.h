// Reading and writing the whole numbers inside date texts: a saturating reader
// that never overflows, and a writer with a minimum number of digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tembrel {

// The magnitude at which WholeNumberOf stops counting. It lies far beyond every
// year, week or day number limit, so a clamped value is still "too large".
inline constexpr int64_t kWholeNumberCap = int64_t{1} << 40;

// Reads a text that is exactly an optional "+" or "-" followed by one or more
// ASCII digits. Magnitudes above kWholeNumberCap read as kWholeNumberCap (with
// the sign), so any length of digits is safe. Empty for every other text,
// including a sign alone.
std::optional<int64_t> WholeNumberOf(std::string_view text);

// Writes a value with at least `minDigits` digits, zeros in front, and a "-"
// before the digits when it is negative: (5, 2) gives "05", (-45, 4) "-0045".
std::string PaddedNumber(int64_t value, int minDigits);

// Appends a value written as PaddedNumber writes it.
void AppendPaddedNumber(std::string& text, int64_t value, int minDigits);

}  // namespace tembrel
