// CheckISOWeekText and ParseISOWeekDate: ISO 8601 week dates 2008W011 and
// 2008-W01-1.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/iso_week.h"
#include "core/number_text.h"
#include "core/string_utils.h"

namespace tembrel {

namespace {

constexpr int kMaxWeek = 53;
constexpr int kMaxWeekday = 7;

// The pieces of an ISO week date text that passed the check.
struct ISOWeekText {
    TextForm form = TextForm::Neither;
    std::string_view year;  // optional sign and digits
    int week = 0;           // 1..53
    int weekday = 0;        // 1..7
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Splits a text into year, week and weekday. A hyphen may end the year and may
// stand among the digits after the W, but not after the week when none ends the
// year (2008W01-1). With the hyphens removed, the W must be followed by exactly
// two week digits and one weekday digit, so that every text read has one meaning.
ISOWeekText SplitISOWeekText(std::string_view text) {
    ISOWeekText parts;
    const size_t w = text.find('W');
    if (w == std::string_view::npos) {
        return parts;
    }
    const size_t h = text.size() > 1 ? text.find('-', 1) : std::string_view::npos;
    const bool hyphenated = h != std::string_view::npos;
    if (hyphenated && h + 1 != w && w + 3 < text.size() && text[w + 3] == '-') {
        return parts;
    }
    std::string_view year = text.substr(0, w);
    if (hyphenated && !year.empty() && year.back() == '-') {
        year.remove_suffix(1);
    }
    if (!IsNumberText(year, true, false) || std::none_of(year.begin(), year.end(), IsDigit)) {
        return parts;
    }
    const std::string weekAndDay = RemoveChars(text.substr(w + 1), "-", 1);
    if (weekAndDay.size() != 3 || !IsDigitText(weekAndDay)) {
        return parts;
    }
    // Three digits at fixed places: no reader of runs of digits is needed.
    const int week = (weekAndDay[0] - '0') * 10 + (weekAndDay[1] - '0');
    const int weekday = weekAndDay[2] - '0';
    if (week < 1 || week > kMaxWeek || weekday < 1 || weekday > kMaxWeekday) {
        return parts;
    }
    parts.form = hyphenated ? TextForm::Hyphenated : TextForm::Compact;
    parts.year = year;
    parts.week = week;
    parts.weekday = weekday;
    return parts;
}

}  // namespace

TextForm CheckISOWeekText(std::string_view text) {
    return SplitISOWeekText(text).form;
}

Parsed<ISOWeekDate> ParseISOWeekDate(std::string_view text) {
    const std::string compact = RemoveSpaces(text);
    const ISOWeekText parts = SplitISOWeekText(compact);
    if (parts.form == TextForm::Neither) {
        return {ParseStatus::Invalid, ISOWeekDate{}};
    }
    // The check let through only a sign and digits, so the year reads.
    const int64_t year = WholeNumberOf(parts.year).value_or(kWholeNumberCap);
    if (year >= kMaxYear || year <= -kMaxYear) {
        return {ParseStatus::OutOfRange, ISOWeekDate{}};
    }
    if (parts.week == kMaxWeek && !ISOYearHas53Weeks(static_cast<int32_t>(year))) {
        return {ParseStatus::Invalid, ISOWeekDate{}};
    }
    const ISOWeekDate date{static_cast<int32_t>(year), parts.week, parts.weekday, 0};
    const std::optional<int32_t> jdn = JDNOfISOWeekDate(date);
    if (!jdn || !IsJDNInRange(*jdn)) {
        return {ParseStatus::OutOfRange, ISOWeekDate{}};
    }
    // Built where it is returned rather than copied from `date` (see ParseDateText).
    return {ParseStatus::Valid, ISOWeekDate{date.year, date.week, date.weekday, *jdn}};
}

}  // namespace tembrel
