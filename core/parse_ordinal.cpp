// CheckOrdinalText and ParseOrdinalDate: ordinal dates yyyyddd and yyyy-ddd.
#include <cstdint>
#include <string>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/iso_week.h"
#include "core/number_text.h"
#include "core/string_utils.h"

namespace tembrel {

namespace {

constexpr size_t kCompactLength = 7;   // yyyyddd
constexpr size_t kHyphenPosition = 4;  // the "-" of yyyy-ddd, counted from 0
constexpr int32_t kLongestYear = 366;

// Year and day of a seven-character yyyyddd text, when both are digits.
struct OrdinalParts {
    int32_t year = 0;  // 0..9999
    int32_t day = 0;   // 0..999
};

bool SplitCompact(std::string_view compact, OrdinalParts& parts) {
    if (compact.size() != kCompactLength) {
        return false;
    }
    const std::string_view year = compact.substr(0, 4);
    const std::string_view day = compact.substr(4);
    if (!IsDigitText(year) || !IsDigitText(day)) {
        return false;
    }
    parts.year = static_cast<int32_t>(*WholeNumberOf(year));
    parts.day = static_cast<int32_t>(*WholeNumberOf(day));
    return true;
}

bool IsDayOfYear(const OrdinalParts& parts) {
    return parts.day >= 1 && parts.day <= kLongestYear &&
           (parts.day < kLongestYear || IsLeapYear(parts.year, "G"));
}

// Returns the text without the "-" at position 5, or empty when there is none.
std::string WithoutHyphen(std::string_view text) {
    if (text.size() <= kHyphenPosition || text[kHyphenPosition] != '-') {
        return {};
    }
    std::string compact(text);
    compact.erase(kHyphenPosition, 1);
    return compact;
}

}  // namespace

TextForm CheckOrdinalText(std::string_view text) {
    std::string compact;
    TextForm form = TextForm::Neither;
    if (text.size() == kCompactLength + 1) {
        compact = WithoutHyphen(text);
        form = TextForm::Hyphenated;
    } else if (text.size() == kCompactLength) {
        compact = text;
        form = TextForm::Compact;
    }
    OrdinalParts parts;
    if (!SplitCompact(compact, parts) || !IsDayOfYear(parts)) {
        return TextForm::Neither;
    }
    return form;
}

Parsed<CalDate> ParseOrdinalDate(std::string_view text, bool hyphenated) {
    std::string compact = RemoveSpaces(text);
    if (hyphenated) {
        compact = WithoutHyphen(compact);
    }
    OrdinalParts parts;
    if (!SplitCompact(compact, parts) || parts.day < 1 || parts.day > kLongestYear) {
        return {ParseStatus::Invalid, CalDate{}};
    }
    if (parts.year < 1) {
        return {ParseStatus::OutOfRange, CalDate{}};  // year 0000; four digits never exceed 9999
    }
    if (!IsDayOfYear(parts)) {
        return {ParseStatus::Invalid, CalDate{}};
    }
    const std::optional<int32_t> jdn = OrdinalToJDN(parts.year, parts.day);
    if (!jdn || !IsJDNInRange(*jdn)) {
        return {ParseStatus::OutOfRange, CalDate{}};
    }
    return {ParseStatus::Valid, CalDateOfJDN(*jdn, kMarkerGregorian)};
}

}  // namespace tembrel
