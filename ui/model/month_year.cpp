#include "ui/model/month_year.h"

#include <string>

#include "core/string_utils.h"

namespace tembrel {

YearReading ReadYearText(std::string_view text) {
    std::string kept(TrimSpaces(text));
    KeepDigitsAndSign(kept, true);
    if (kept.empty()) {
        return {};
    }
    // KeepDigitsAndSign leaves at most one "+" and one "-", both before the
    // first digit; a number has at most one of them.
    size_t digitsStart = 0;
    bool negative = false;
    if (kept[0] == '+' || kept[0] == '-') {
        negative = kept[0] == '-';
        digitsStart = 1;
    }
    if (digitsStart >= kept.size() || !IsDigitText(std::string_view(kept).substr(digitsStart))) {
        return {YearTextStatus::NotANumber, 0};
    }
    int64_t magnitude = 0;  // [0, 2^31] while the loop runs
    for (size_t i = digitsStart; i < kept.size(); ++i) {
        magnitude = magnitude * 10 + (kept[i] - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) {
            return {YearTextStatus::OutOfRange, 0};
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN) {
        return {YearTextStatus::OutOfRange, 0};
    }
    return {YearTextStatus::Valid, static_cast<int32_t>(value)};
}

bool IsPlainYearText(std::string_view text) {
    std::string_view trimmed = TrimSpaces(text);
    if (!trimmed.empty() && (trimmed.front() == '+' || trimmed.front() == '-')) {
        trimmed.remove_prefix(1);
    }
    return IsDigitText(trimmed);
}

}  // namespace tembrel
