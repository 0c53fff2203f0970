// ParseDateText: Common Era, Julian and Revar Overe dates, and day numbers typed
// in a calendar field.
#include <cstdint>
#include <string>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/parse_support.h"
#include "core/string_utils.h"

namespace tembrel {

namespace {

// Returns true when every "." of a day number stands where a thousands separator
// belongs, counted from the right: "2.454.000" passes, "24.54000" does not. At
// most three dots (the ten digits of the largest day number).
bool DotsAreThousandsSeparators(std::string_view text) {
    const int dots = CountChar(text, '.');
    if (dots > 3) {
        return false;
    }
    const size_t length = text.size();
    for (int i = 0; i < dots; ++i) {
        const size_t offsetFromEnd = 4 + 4 * static_cast<size_t>(i);  // 4, 8, 12
        if (length < offsetFromEnd + 1 || text[length - offsetFromEnd] != '.') {
            return false;
        }
    }
    return true;
}

// Returns true when the date separator appears in a day number only where it can
// be read: "/" never, "-" only as a leading sign, "." only as thousands
// separators.
bool SeparatorFitsDayNumber(std::string_view text, char separator) {
    switch (separator) {
        case '/':
            return CountChar(text, '/') == 0;
        case '-': {
            const int minus = CountChar(text, '-');
            return minus == 0 || (minus == 1 && text.front() == '-');
        }
        case '.':
            return DotsAreThousandsSeparators(text);
        default:
            return true;
    }
}

int ParseDayNumber(std::string_view text, char separator, CalDate& date) {
    if (!SeparatorFitsDayNumber(text, separator)) {
        return kParseInvalid;
    }
    int status = kParseInvalid;
    const int32_t jdn = ParseJDNText(text, status);
    if (status == kParseValid) {
        date.jdn = jdn;
    }
    return status;
}

// Returns true when a text reduced to digits, "-" and the separator has three
// parts: with "-" as separator two or three "-" (the third a year's sign), else
// two separators and at most one "-" (the year's sign).
bool HasDateShape(std::string_view text, char separator) {
    const int minus = CountChar(text, '-');
    if (separator == '-') {
        return minus == 2 || minus == 3;
    }
    return minus <= 1 && CountChar(text, separator) == 2;
}

int32_t MarkerFor(CalendarCode cal) {
    switch (cal) {
        case CalendarCode::JC:
            return kMarkerJulian;
        case CalendarCode::AN:
            return kMarkerAnnusNovus;
        case CalendarCode::NLW:
            return kMarkerLibraryLeapWeek;
        case CalendarCode::ISO:
            return kMarkerISOWeek;
        default:
            return kMarkerGregorian;
    }
}

bool ReadsYearFirstWithHyphens(CalendarCode cal) {
    return cal == CalendarCode::AN || cal == CalendarCode::NLW || cal == CalendarCode::ISO;
}

}  // namespace

int ParseDateText(std::string_view text, std::string_view dateSep, CalendarCode cal,
                  DateOrder order, CalDate& date) {
    if (dateSep.size() != 1) {
        return kParseInvalid;
    }
    char separator = dateSep.front();
    if (ReadsYearFirstWithHyphens(cal)) {
        separator = '-';
        if (order == DateOrder::MDY) {
            order = DateOrder::YMD;
        }
    }
    std::string compact = RemoveSpaces(text);
    if (cal == CalendarCode::JDN) {
        return ParseDayNumber(compact, separator, date);
    }
    KeepDateChars(compact, std::string_view(&separator, 1));
    if (!HasDateShape(compact, separator)) {
        return kParseInvalid;
    }
    CalDate parsed{};
    const int32_t result =
        str_to_date(compact.c_str(), static_cast<int32_t>(order), &parsed, MarkerFor(cal));
    if (result == kStrToDateOutOfRange) {
        return kParseOutOfRange;
    }
    if (result != kStrToDateValid) {
        return kParseInvalid;
    }
    // The year of the text, not whatever the record held before.
    if (parsed.year > lngMaxYear || parsed.year < -lngMaxYear) {
        return kParseOutOfRange;
    }
    const int32_t jdn = CalDateToJDN(parsed);
    if (!IsJDNInRange(jdn)) {
        return kParseOutOfRange;
    }
    parsed.jdn = jdn;
    parse_support::StoreDate(parsed, date);
    return kParseValid;
}

}  // namespace tembrel
