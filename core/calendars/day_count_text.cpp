#include "core/calendars/day_count_text.h"

#include <charconv>

#include "core/calendars/calendar_text.h"

namespace tembrel {

namespace {

// Digits stop counting past this magnitude: ten times it still fits 63 bits.
constexpr int64_t kMagnitudeCap = int64_t{1} << 59;
static_assert(kMagnitudeCap < INT64_MAX / 10 - 9);

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view WithoutBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Returns true when the digits are grouped correctly: no group separator, or
// one kind of them with one to three digits before the first and exactly three
// after each.
bool IsWellGrouped(std::string_view digits) {
    const size_t first = digits.find_first_of(",.");
    if (first == std::string_view::npos) {
        return true;
    }
    if (first == 0 || first > 3) {
        return false;
    }
    const char separator = digits[first];
    size_t groupLength = 0;
    for (size_t i = first + 1; i < digits.size(); ++i) {
        if (digits[i] == separator) {
            if (groupLength != 3) {
                return false;
            }
            groupLength = 0;
        } else if (IsDigit(digits[i])) {
            ++groupLength;
        } else {
            return false;
        }
    }
    return groupLength == 3;
}

}  // namespace

WholeNumber ReadGroupedWholeNumber(std::string_view text) {
    text = WithoutBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !IsDigit(text.front()) || !IsWellGrouped(text)) {
        return {};
    }
    int64_t magnitude = 0;  // [0, 10 × 2^59 + 9]
    for (const char c : text) {
        if (IsDigit(c) && magnitude <= kMagnitudeCap) {
            magnitude = magnitude * 10 + (c - '0');
        } else if (!IsDigit(c) && c != ',' && c != '.') {
            return {};
        }
    }
    if (magnitude > kMagnitudeCap) {
        return {ParseStatus::OutOfRange, 0};
    }
    return {ParseStatus::Valid, negative ? -magnitude : magnitude};
}

void AppendGroupedNumber(TextAppender& out, int64_t value, std::string_view thousSep) {
    if (thousSep.empty()) {
        out.AddNumber(value, 1);
        return;
    }
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const char* begin = digits;
    if (*begin == '-') {
        out.Add('-');
        ++begin;
    }
    const auto count = static_cast<size_t>(end - begin);
    const size_t groupLength = count % 3 == 0 ? 3 : count % 3;
    out.Add(std::string_view(begin, groupLength));
    for (const char* group = begin + groupLength; group < end; group += 3) {
        out.Add(thousSep);
        out.Add(std::string_view(group, 3));
    }
}

ParsedDay ReadDayCountText(std::string_view text, DayCount count) {
    const WholeNumber number = ReadGroupedWholeNumber(text);
    if (number.status != ParseStatus::Valid) {
        return {number.status, 0};
    }
    return ParsedDayOf(JdnOfDayCount(count, number.value));
}

void AppendDayCountText(int32_t jdn, DayCount count, const NotationOptions& options,
                        TextAppender& out) {
    AppendGroupedNumber(out, DayCountOfJdn(count, jdn), options.thousSep);
}

}  // namespace tembrel
