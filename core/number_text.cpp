#include "core/number_text.h"

#include "core/text_appender.h"

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
    TextAppender out(text);
    out.AddNumber(value, minDigits);
}

}  // namespace tembrel
