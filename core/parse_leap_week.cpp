// ParseLPMDate and ParseLPWDate: leap week dates in month form and week form.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/leap_week.h"
#include "core/number_text.h"
#include "core/string_utils.h"

namespace tembrel {

namespace {

enum class LeapWeekForm { Month, Week };

// Reads the second or third part of a leap week date: digits that fit 16 bits.
std::optional<int16_t> SmallPartOf(std::string_view text) {
    const std::optional<int64_t> value = WholeNumberOf(text);
    if (!value || *value > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(*value);  // text holds digits only: [0, 32767]
}

int ParseLeapWeekText(std::string_view text, LeapWeekForm form, LeapWeekDate& date) {
    std::string kept(text);
    KeepDateChars(kept, "");
    // Exactly two "-" after the first character; a "-" in front is the year's sign.
    const size_t first = kept.find('-', 1);
    const size_t second = first == std::string::npos ? first : kept.find('-', first + 1);
    if (second == std::string::npos || kept.find('-', second + 1) != std::string::npos) {
        return kParseInvalid;
    }
    const std::string_view all = kept;
    const std::optional<int64_t> year = WholeNumberOf(all.substr(0, first));
    if (!year) {
        return kParseInvalid;  // a sign alone
    }
    if (*year > kMaxYear || *year < -kMaxYear) {
        return kParseOutOfRange;
    }
    const std::optional<int16_t> middle = SmallPartOf(all.substr(first + 1, second - first - 1));
    const std::optional<int16_t> last = SmallPartOf(all.substr(second + 1));
    if (!middle || !last) {
        return kParseInvalid;
    }
    LeapWeekDate parsed;
    parsed.year = static_cast<int32_t>(*year);
    bool converted = false;
    if (form == LeapWeekForm::Month) {
        parsed.month = *middle;
        parsed.day = *last;
        converted = LPMToJDN(parsed);
    } else {
        parsed.week = *middle;
        parsed.weekday = *last;
        converted = LPWToJDN(parsed);
    }
    if (!converted) {
        return parsed.status == kLeapWeekOutOfRange ? kParseOutOfRange : kParseInvalid;
    }
    if (!IsJDNInRange(parsed.jdn)) {
        return kParseOutOfRange;
    }
    date = parsed;
    return kParseValid;
}

}  // namespace

int ParseLPMDate(std::string_view text, LeapWeekDate& date) {
    return ParseLeapWeekText(text, LeapWeekForm::Month, date);
}

int ParseLPWDate(std::string_view text, LeapWeekDate& date) {
    return ParseLeapWeekText(text, LeapWeekForm::Week, date);
}

}  // namespace tembrel
