#include "core/number_text.h"

#include <charconv>
#include <iterator>

namespace tembrel {

std::optional<int64_t> WholeNumberOf(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int64_t magnitude = 0;  // [0, kWholeNumberCap]
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (magnitude < kWholeNumberCap) {
            magnitude = magnitude * 10 + (c - '0');  // < 2^44
        }
    }
    if (magnitude > kWholeNumberCap) {
        magnitude = kWholeNumberCap;
    }
    return negative ? -magnitude : magnitude;
}

std::string PaddedNumber(int64_t value, int minDigits) {
    std::string text;
    AppendPaddedNumber(text, value, minDigits);
    return text;
}

void AppendPaddedNumber(std::string& text, int64_t value, int minDigits) {
    // The magnitude of INT64_MIN does not fit in int64_t; uint64_t holds it.
    const uint64_t magnitude =
        value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char digits[20];  // 2^64 has 20 decimal digits
    const char* end = std::to_chars(std::begin(digits), std::end(digits), magnitude).ptr;
    const int length = static_cast<int>(end - digits);
    if (value < 0) {
        text.push_back('-');
    }
    if (length < minDigits) {
        text.append(static_cast<size_t>(minDigits - length), '0');
    }
    text.append(digits, static_cast<size_t>(length));
}

}  // namespace tembrel
