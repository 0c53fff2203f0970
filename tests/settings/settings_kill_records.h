// The records the settings writer loop writes, shared by the loop and the test
// that kills it: record n differs from record n - 1 in every text and in its
// length, so that a file holding a mixture of two writes never parses as one.
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings_record.h"

namespace tembrel::test_support {

// Returns record `sequence` (1, 2, ...): its first date field holds the number,
// its output about 256 KiB of lines of one letter, 'A' for odd and 'B' for even
// numbers, so that a write takes long enough to be killed half way.
inline UserSettings KillTestRecord(int32_t sequence) {
    UserSettings s;
    s.language = sequence % 2;
    s.dateOrder = sequence % 3;
    s.firstDate = std::to_string(sequence);
    s.secondDate = std::string(static_cast<size_t>(sequence % 7), 'x');
    const char letter = sequence % 2 == 1 ? 'A' : 'B';
    const std::string line = "write " + std::to_string(sequence) + " " + std::string(90, letter);
    for (int i = 0; i < 2600 + sequence % 5; ++i) {
        s.output += line;
        s.output += "\r\n";
    }
    s.differenceUnit = 1;
    return s;
}

}  // namespace tembrel::test_support
