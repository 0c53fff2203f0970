#include "ui/model/month_year.h"

#include <string>

#include "core/number_text.h"
#include "core/string_utils.h"

namespace tembrel {

Parsed<int32_t> ReadYearText(std::string_view text) {
    std::string kept(TrimSpaces(text));
    // KeepDigitsAndSign leaves at most one "+" and one "-", both before the
    // first digit; a number has at most one of them.
    KeepDigitsAndSign(kept, true);
    const std::optional<int64_t> year = WholeNumberOf(kept);
    if (!year) {
        return {ParseStatus::Invalid, 0};
    }
    if (*year < INT32_MIN || *year > INT32_MAX) {
        return {ParseStatus::OutOfRange, 0};
    }
    return {ParseStatus::Valid, static_cast<int32_t>(*year)};
}

bool IsPlainYearText(std::string_view text) {
    std::string_view trimmed = TrimSpaces(text);
    if (!trimmed.empty() && (trimmed.front() == '+' || trimmed.front() == '-')) {
        trimmed.remove_prefix(1);
    }
    return IsDigitText(trimmed);
}

}  // namespace tembrel
