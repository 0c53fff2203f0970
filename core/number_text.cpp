#include "core/number_text.h"

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
    // The magnitude of INT64_MIN does not fit in int64_t; uint64_t holds it.
    const uint64_t magnitude =
        value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (static_cast<int>(digits.size()) < minDigits) {
        digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
    }
    return value < 0 ? "-" + digits : digits;
}

}  // namespace tembrel
