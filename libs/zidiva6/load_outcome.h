// The outcome of loading a language data file and the result codes that lt
// answers for it.
//
// Result codes of lt:
//    n >= 1        n texts were read
//    0             the file holds no text (only comments and blank lines)
//   -1             the file cannot be opened (missing, unreadable, a folder)
//   -3             the file is larger than kMaxFileBytes
//   -5             lt was called with a null path or a flag other than 0
//   -6             the file is empty (no bytes, or only the byte order mark)
//   -7             reading failed; also a line that is not UTF-8 text or not an
//                  entry, and a line error whose line number the codes below
//                  cannot carry (line above 500)
//   -8             memory ran out
//   -500 - n       line n (1..500) has a number without a text
//   -1000 - n      line n (1..500) has a text longer than kMaxTextBytes
//   -1500 - n      line n repeats a number and language given before
// Codes -2 and -4 are never answered; they keep their meaning for callers that
// decode codes.
#pragma once

#include <cstdint>

namespace tembrel::zidiva6 {

// Largest language data file read, in bytes. A longer file is refused before it
// is parsed, so no file can make the loader hold more than this.
inline constexpr int32_t kMaxFileBytes = 1024 * 1024;

// Largest line number the parser can report: every line holds at least its
// line feed, except the last.
inline constexpr int32_t kMaxLineNumber = kMaxFileBytes + 1;

// Largest line number that the missing-text and too-long codes can carry without
// running into the next code range.
inline constexpr int32_t kMaxCodedLine = 500;

static_assert(-1500LL - kMaxLineNumber > INT32_MIN, "duplicate codes fit in 32 bits");

enum class LoadStatus : int8_t {
    Loaded,         // value: number of texts read, >= 1
    NoText,         // comments and blank lines only
    CannotOpen,     // missing, unreadable or a folder
    TooMuchText,    // larger than kMaxFileBytes
    BadArgument,    // null path or unknown flag
    Empty,          // no bytes at all
    ReadError,      // the system failed while reading
    InvalidText,    // value: line holding bytes that are not UTF-8 text
    MalformedLine,  // value: line that is neither comment, blank nor entry
    OutOfMemory,    // memory ran out while reading or storing
    MissingString,  // value: line with a number but no text
    StringTooLong,  // value: line whose text exceeds kMaxTextBytes
    Duplicate,      // value: line repeating a number and language
};

struct LoadOutcome {
    LoadStatus status = LoadStatus::NoText;
    int32_t value = 0;  // count when Loaded, line number (>= 1) for line statuses, else 0

    friend bool operator==(const LoadOutcome&, const LoadOutcome&) = default;
};

// Returns true for the statuses whose value is a line number.
constexpr bool HasLineNumber(LoadStatus status) {
    return status == LoadStatus::InvalidText || status == LoadStatus::MalformedLine ||
           status == LoadStatus::MissingString || status == LoadStatus::StringTooLong ||
           status == LoadStatus::Duplicate;
}

// Encodes an outcome as the result code of lt (table above). Line numbers must
// lie in 1..kMaxLineNumber, which the parser guarantees.
int32_t ResultCode(const LoadOutcome& outcome);

}  // namespace tembrel::zidiva6
