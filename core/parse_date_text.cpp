// ParseDateText: Common Era, Julian and Revar Overe dates, and day numbers typed
// in a calendar field.
#include <cstdint>
#include <string>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/parse_support.h"
#include "core/string_utils.h"
#include "core/whole_number.h"

namespace tembrel {

namespace {

// Reads a day number typed into a field of the JDN notation: a whole number.
int ParseDayNumber(std::string_view text, CalDate& date) {
    const ParsedWholeNumber number = ParseWholeNumber(text);
    if (number.ok()) {
        date.jdn = number.value;
    }
    return static_cast<int>(number.status);
}

// How many "-" and separators the date characters of a text hold.
struct DateCharCounts {
    int minus = 0;
    int separators = 0;
};

// Writes what RemoveSpaces and then KeepDateChars with the separator leave of
// the text into `kept`, NUL-terminated, in one pass: the digits, "-" and the
// separator ("2008-03-15 CE" gives "2008-03-15"; a space separator goes with the
// other spaces). `kept` must hold text.size() + 1 characters.
DateCharCounts KeepDateCharsOf(std::string_view text, char separator, char* kept) {
    DateCharCounts counts;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            *kept++ = c;  // most characters: decided at the first test
        } else if (c != ' ' && (c == '-' || c == separator)) {
            *kept++ = c;
            counts.minus += c == '-' ? 1 : 0;
            counts.separators += c == separator ? 1 : 0;
        }
    }
    *kept = '\0';
    return counts;
}

// Returns true when the date characters have three parts: with "-" as separator
// two or three "-" (the third a year's sign), else two separators and at most one
// "-" (the year's sign).
bool HasDateShape(const DateCharCounts& counts, char separator) {
    if (separator == '-') {
        return counts.minus == 2 || counts.minus == 3;
    }
    return counts.minus <= 1 && counts.separators == 2;
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
    if (cal == CalendarCode::JDN) {
        return ParseDayNumber(text, date);
    }
    // The date characters of a date typed by hand fit on the stack; a longer text
    // gets a buffer of its length.
    char shortText[64];
    std::string longText;
    char* kept = shortText;
    if (text.size() >= sizeof shortText) {
        longText.resize(text.size() + 1);
        kept = longText.data();
    }
    if (!HasDateShape(KeepDateCharsOf(text, separator, kept), separator)) {
        return kParseInvalid;
    }
    CalDate parsed{};
    const int32_t result = str_to_date(kept, static_cast<int32_t>(order), &parsed, MarkerFor(cal));
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
