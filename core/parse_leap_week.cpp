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

Parsed<LeapWeekDate> ParseLeapWeekText(std::string_view text, LeapWeekForm form) {
    std::string kept(text);
    KeepDateChars(kept, "");
    // Exactly two "-" after the first character; a "-" in front is the year's sign.
    const size_t first = kept.find('-', 1);
    const size_t second = first == std::string::npos ? first : kept.find('-', first + 1);
    if (second == std::string::npos || kept.find('-', second + 1) != std::string::npos) {
        return {ParseStatus::Invalid, LeapWeekDate{}};
    }
    const std::string_view all = kept;
    const std::optional<int64_t> year = WholeNumberOf(all.substr(0, first));
    if (!year) {
        return {ParseStatus::Invalid, LeapWeekDate{}};  // a sign alone
    }
    if (*year > kMaxYear || *year < -kMaxYear) {
        return {ParseStatus::OutOfRange, LeapWeekDate{}};
    }
    const std::optional<int16_t> middle = SmallPartOf(all.substr(first + 1, second - first - 1));
    const std::optional<int16_t> last = SmallPartOf(all.substr(second + 1));
    if (!middle || !last) {
        return {ParseStatus::Invalid, LeapWeekDate{}};
    }
    LeapWeekDate date;
    date.year = static_cast<int32_t>(*year);
    if (form == LeapWeekForm::Month) {
        date.month = *middle;
        date.day = *last;
        // The week form too: it is what the day number is counted from.
        const std::optional<LeapWeekDate> withWeek = LPWFormOf(date);
        if (!withWeek) {
            return {ParseStatus::Invalid, LeapWeekDate{}};
        }
        date.week = withWeek->week;
        date.weekday = withWeek->weekday;
    } else {
        date.week = *middle;
        date.weekday = *last;
    }
    const ParsedDay day = JDNOfLPWDate(date);
    if (!day.ok()) {
        return {day.status, LeapWeekDate{}};
    }
    if (!IsJDNInRange(day.jdn)) {
        return {ParseStatus::OutOfRange, LeapWeekDate{}};
    }
    // Built where it is returned rather than copied from `date` (see ParseDateText).
    return {ParseStatus::Valid,
            LeapWeekDate{date.year, date.month, date.day, date.week, date.weekday, day.jdn}};
}

}  // namespace

Parsed<LeapWeekDate> ParseLPMDate(std::string_view text) {
    return ParseLeapWeekText(text, LeapWeekForm::Month);
}

Parsed<LeapWeekDate> ParseLPWDate(std::string_view text) {
    return ParseLeapWeekText(text, LeapWeekForm::Week);
}

}  // namespace tembrel
