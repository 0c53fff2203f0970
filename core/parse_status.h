// The one answer every reader of date and number text gives: the text is a
// value, is not one, or has the right shape but names a value outside the
// accepted range. Readers never show messages; the caller words them.
#pragma once

#include <cstdint>

namespace tembrel {

enum class ParseStatus : int8_t {
    OutOfRange = -1,  // the right shape, but beyond kMinJDN..kMaxJDN or the notation's range
    Invalid = 0,      // not a value of that notation
    Valid = 1,
};

// A value read from text (a date record, a number): meaningful only when the
// status is Valid, and then complete; otherwise it is the type's default.
template <class T>
struct Parsed {
    ParseStatus status = ParseStatus::Invalid;
    T value{};

    constexpr bool ok() const { return status == ParseStatus::Valid; }
};

// A day read from text, or from the parts of a date: its day number, meaningful
// only when the status is Valid.
struct ParsedDay {
    ParseStatus status = ParseStatus::Invalid;
    int32_t jdn = 0;

    constexpr bool ok() const { return status == ParseStatus::Valid; }
};

}  // namespace tembrel
