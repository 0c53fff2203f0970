#include "core/whole_number.h"

#include <charconv>

#include "core/calendar_tables.h"

namespace tembrel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Checks that `digits` is digits, or digit groups of which every one after the
// first has three digits, all separated by the same "," or "."; `separator`
// receives it (0 for none).
bool IsGroupedDigits(std::string_view digits, char& separator) {
    separator = 0;
    size_t groupLength = 0;
    bool firstGroup = true;
    for (const char c : digits) {
        if (IsDigit(c)) {
            ++groupLength;
            continue;
        }
        if ((c != ',' && c != '.') || (separator != 0 && c != separator)) {
            return false;
        }
        if (groupLength == 0 || groupLength > 3 || (!firstGroup && groupLength != 3)) {
            return false;
        }
        separator = c;
        firstGroup = false;
        groupLength = 0;
    }
    return groupLength > 0 && (firstGroup || groupLength == 3);
}

}  // namespace

Parsed<int32_t> ParseWholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    char separator = 0;
    if (!IsGroupedDigits(text, separator)) {
        return {};
    }
    // The digits without separators and leading zeros: more than ten are beyond
    // every limit, and ten fit in 64 bits.
    char digits[11];
    size_t count = 0;
    for (const char c : text) {
        if (!IsDigit(c) || (count == 0 && c == '0')) {
            continue;
        }
        if (count == sizeof digits - 1) {
            return {ParseStatus::OutOfRange, 0};
        }
        digits[count++] = c;
    }
    int64_t magnitude = 0;  // [0, 9999999999]
    std::from_chars(digits, digits + count, magnitude);
    if (magnitude > kMaxJDN) {
        return {ParseStatus::OutOfRange, 0};
    }
    return {ParseStatus::Valid, static_cast<int32_t>(negative ? -magnitude : magnitude)};
}

}  // namespace tembrel
