#include "core/number_text.h"

#include <charconv>
#include <system_error>

namespace tembrel {

namespace {

// The reader of both entry points, inlined into each, so that WholeNumberOf,
// which reads every year a date parser reads, is a single call. It stays out of
// the parsers themselves: inlined there from a header, it made the leap week
// parser 20% slower.
[[gnu::always_inline]] inline LeadingNumber ReadSignAndDigits(std::string_view text) {
    const bool hasSign = !text.empty() && (text.front() == '+' || text.front() == '-');
    const bool negative = hasSign && text.front() == '-';
    const char* const first = text.data() + (hasSign ? 1 : 0);
    const char* const last = text.data() + text.size();
    // An unsigned reader: it takes digits only, so "--5" and "-+5" read nothing.
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(first, last, magnitude);
    if (end == first) {
        return {};
    }
    // Beyond 64 bits from_chars leaves the value and still passes every digit.
    if (error == std::errc::result_out_of_range || magnitude > uint64_t{kWholeNumberCap}) {
        magnitude = kWholeNumberCap;
    }
    const auto value = static_cast<int64_t>(magnitude);  // [0, kWholeNumberCap]
    return {negative ? -value : value, static_cast<size_t>(end - text.data())};
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text) {
    return ReadSignAndDigits(text);
}

std::optional<int64_t> WholeNumberOf(std::string_view text) {
    const LeadingNumber number = ReadSignAndDigits(text);
    if (number.length == 0 || number.length != text.size()) {
        return std::nullopt;
    }
    return number.value;
}

}  // namespace tembrel
