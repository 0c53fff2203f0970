// The digits of the date typed most often: three runs of digits joined by two
// separators and nothing else ("2008-01-15", "15.01.2008"). Inline for the date
// parser, where every plain date passes, and for its benchmark.
//
// Read by hand rather than with std::from_chars, which takes twice as long here:
// bench/number_text_bench.cpp (PlainDateDigits) reads a date of the years
// 1..9999 in 6.2 ns by hand against 12.2 ns with from_chars (day first: 6.4
// against 11.7 ns), and one of any year in 11.0 against 13.2 ns. The ten
// characters of a four-digit year are read at fixed places, without a loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/calendar_codes.h"

namespace tembrel::plain_date {

// Reads a run of one to seven digits from `at`, stopping at `end` or at the
// character after it, which must be `stop` (or the end when `stop` is 0).
// Returns false for anything else.
inline bool ReadDigitRun(const char*& at, const char* end, char stop, int64_t& value) {
    const char* const first = at;
    value = 0;
    // Eight digits at most are read: value < 10^8.
    while (at != end && *at >= '0' && *at <= '9' && at - first < 8) {
        value = value * 10 + (*at - '0');
        ++at;
    }
    const auto count = at - first;
    if (count == 0 || count > 7) {
        return false;  // no digit, or a long year, which the general reading saturates
    }
    if (stop == 0) {
        return at == end;
    }
    if (at == end || *at != stop) {
        return false;
    }
    ++at;
    return true;
}

// Returns the digit at position `i` of the text, or 10 for any other character.
inline unsigned DigitAt(std::string_view text, size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(text[i]) - '0');
}

// Reads a date of exactly ten characters with the year's four digits where the
// order puts them ("2008-01-15", "15.01.2008", "01/15/2008") into its three
// parts, in the order they are written. Returns false for any other text.
inline bool ReadTenCharacterDate(std::string_view text, char separator, DateOrder order,
                                 int64_t (&parts)[3]) {
    if (text.size() != 10) {
        return false;
    }
    const bool yearFirst = order == DateOrder::YMD;
    const size_t firstSep = yearFirst ? 4 : 2;
    if (text[firstSep] != separator || text[firstSep + 3] != separator) {
        return false;
    }
    // Where the eight digits stand, year first or year last.
    static constexpr uint8_t kYearFirst[8] = {0, 1, 2, 3, 5, 6, 8, 9};
    static constexpr uint8_t kYearLast[8] = {0, 1, 3, 4, 6, 7, 8, 9};
    const uint8_t* const at = yearFirst ? kYearFirst : kYearLast;
    unsigned digits[8];
    unsigned notDigit = 0;
    for (size_t i = 0; i < 8; ++i) {
        digits[i] = DigitAt(text, at[i]);
        notDigit |= digits[i] > 9 ? 1u : 0u;
    }
    if (notDigit != 0) {
        return false;
    }
    const auto pair = [&](size_t i) { return int64_t{digits[i]} * 10 + digits[i + 1]; };
    if (yearFirst) {
        parts[0] = pair(0) * 100 + pair(2);
        parts[1] = pair(4);
        parts[2] = pair(6);
    } else {
        parts[0] = pair(0);
        parts[1] = pair(2);
        parts[2] = pair(4) * 100 + pair(6);
    }
    return true;
}

// Reads the three runs of digits of a plain date into `parts`, in the order they
// are written: a ten-character date with a four-digit year at once, any other
// through ReadDigitRun. Returns false for any other text.
inline bool ReadPlainDateParts(std::string_view text, char separator, DateOrder order,
                               int64_t (&parts)[3]) {
    if (ReadTenCharacterDate(text, separator, order, parts)) {
        return true;
    }
    const char* at = text.data();
    const char* const end = at + text.size();
    return ReadDigitRun(at, end, separator, parts[0]) &&
           ReadDigitRun(at, end, separator, parts[1]) && ReadDigitRun(at, end, 0, parts[2]);
}

}  // namespace tembrel::plain_date
