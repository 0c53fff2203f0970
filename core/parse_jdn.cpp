// ParseJDNText and ParseSignedJDN: day numbers and day counts as whole numbers.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/string_utils.h"

namespace tembrel {

namespace {

// The most digits a day number can have.
constexpr size_t kMaxDigits = 10;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Returns the value of at most kMaxDigits digits, which fits in 64 bits.
int64_t DigitsValue(std::string_view digits) {
    int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');  // < 10^10
    }
    return value;
}

}  // namespace

int32_t ParseJDNText(std::string_view text, int& status) {
    std::string kept(text);
    KeepDigitsAndSign(kept, true);
    std::string_view rest = kept;
    const bool negative = !rest.empty() && rest.front() == '-';
    if (negative) {
        rest.remove_prefix(1);
    }
    // What is left is digits with at most one "+" in front; a "-" left now
    // followed a "+". Without a digit there is no number, not even 0.
    if (rest.find('-') != std::string_view::npos ||
        std::none_of(rest.begin(), rest.end(), IsDigit)) {
        status = kParseInvalid;
        return 0;
    }
    if (rest.size() > kMaxDigits || (rest.size() == kMaxDigits && rest > strMaxLong)) {
        status = kParseOutOfRange;
        return 0;
    }
    if (rest.front() == '+') {
        rest.remove_prefix(1);
    }
    const int64_t magnitude = DigitsValue(rest);  // <= 2147483647
    const int64_t value = negative ? -magnitude : magnitude;
    if (!IsJDNInRange(value)) {
        status = kParseOutOfRange;
        return 0;
    }
    status = kParseValid;
    return static_cast<int32_t>(value);
}

int ParseSignedJDN(std::string_view text, int32_t& value, std::string_view thousSep) {
    std::string withCommas;
    if (thousSep == ".") {
        withCommas.assign(text);
        std::replace(withCommas.begin(), withCommas.end(), '.', ',');
        text = withCommas;
    }
    const std::string_view trimmed = TrimSpaces(text);
    if (!IsNumberText(trimmed, true, true) ||
        std::none_of(trimmed.begin(), trimmed.end(), IsDigit)) {
        return kParseInvalid;
    }
    std::string digits(trimmed);
    std::erase_if(digits, [](char c) { return !IsDigit(c); });
    // Ten digits may start with at most "20": the largest magnitude is 2099999999.
    if (digits.size() > kMaxDigits ||
        (digits.size() == kMaxDigits && DigitsValue(digits.substr(0, 2)) >= 21)) {
        return kParseOutOfRange;
    }
    const int64_t magnitude = DigitsValue(digits);  // <= 2099999999
    value = static_cast<int32_t>(trimmed.front() == '-' ? -magnitude : magnitude);
    return kParseValid;
}

}  // namespace tembrel
