// ParseDateText: Common Era, Julian and Revar Overe dates, and day numbers typed
// in a calendar field.
#include <cstdint>
#include <optional>
#include <string>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/plain_date_digits.h"
#include "core/string_utils.h"
#include "core/whole_number.h"
#include "libs/roroviri/calendar_rules.h"
#include "libs/roroviri/date_text_reading.h"

namespace tembrel {

namespace {

// Reads a day number typed into a field of the JDN notation: a whole number.
Parsed<CalDate> ParseDayNumber(std::string_view text) {
    const Parsed<int32_t> number = ParseWholeNumber(text);
    Parsed<CalDate> parsed;
    parsed.status = number.status;
    if (number.ok()) {
        parsed.value.jdn = number.value;
    }
    return parsed;
}

// A calendar date read from text, with its marker and day number.
Parsed<CalDate> ValidDate(int32_t year, int32_t month, int32_t day, int32_t marker, int32_t jdn) {
    return {ParseStatus::Valid, CalDate{year, month, day, marker, jdn, 0}};
}

// A text that is not a date, or a date outside the accepted range.
Parsed<CalDate> Refused(ParseStatus status) {
    return {status, CalDate{}};
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

// Reads the date typed most often, three runs of digits joined by two
// separators and nothing else ("2008-01-15", "15.01.2008"), whose parts
// ReadPlainDateParts has read in the order they are written; the marker is one
// of the calendar library's calendars. The answer is the general reading's.
Parsed<CalDate> PlainDateOf(const int64_t (&parts)[3], DateOrder order, int32_t marker) {
    const int yearAt = order == DateOrder::YMD ? 0 : 2;
    const int monthAt = order == DateOrder::MDY ? 0 : 1;
    const int dayAt = order == DateOrder::YMD ? 2 : (order == DateOrder::DMY ? 0 : 1);
    const auto year = static_cast<int32_t>(parts[yearAt]);  // < 10^7
    const int64_t month = parts[monthAt];
    const int64_t day = parts[dayAt];
    if (month < 1 || month > roroviri::MonthsInYear(marker) || day < 1 ||
        day > roroviri::DaysInMonth(marker, year, static_cast<int32_t>(month))) {
        return Refused(ParseStatus::Invalid);
    }
    if (year > kMaxYear) {
        return Refused(ParseStatus::OutOfRange);
    }
    const int64_t jdn =
        roroviri::DayNumberOf(marker, year, static_cast<int32_t>(month), static_cast<int32_t>(day));
    if (!IsJDNInRange(jdn)) {
        return Refused(ParseStatus::OutOfRange);
    }
    return ValidDate(year, static_cast<int32_t>(month), static_cast<int32_t>(day), marker,
                     static_cast<int32_t>(jdn));
}

bool ReadsYearFirstWithHyphens(CalendarCode cal) {
    return cal == CalendarCode::AN || cal == CalendarCode::NLW || cal == CalendarCode::ISO;
}

// Reads a date text of any shape: keeps its date characters, then reads them as
// the calendar library does. Out of line: the plain dates rarely come here.
[[gnu::noinline]] Parsed<CalDate> ReadDateCharacters(std::string_view text, char separator,
                                                     DateOrder order, int32_t marker) {
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
        return Refused(ParseStatus::Invalid);
    }
    const roroviri::DateTextReading reading =
        roroviri::ReadDateText(kept, static_cast<int32_t>(order), marker);
    if (reading.status == kStrToDateOutOfRange) {
        return Refused(ParseStatus::OutOfRange);
    }
    if (reading.status != kStrToDateValid) {
        return Refused(ParseStatus::Invalid);
    }
    if (reading.year > kMaxYear || reading.year < -kMaxYear || !IsJDNInRange(reading.jdn)) {
        return Refused(ParseStatus::OutOfRange);
    }
    return ValidDate(reading.year, reading.month, reading.day, marker, reading.jdn);
}

}  // namespace

Parsed<CalDate> ParseDateText(std::string_view text, std::string_view dateSep, CalendarCode cal,
                              DateOrder order) {
    if (dateSep.size() != 1) {
        return Refused(ParseStatus::Invalid);
    }
    char separator = dateSep.front();
    if (ReadsYearFirstWithHyphens(cal)) {
        separator = '-';
        if (order == DateOrder::MDY) {
            order = DateOrder::YMD;
        }
    }
    if (cal == CalendarCode::JDN) {
        return ParseDayNumber(text);
    }
    // LPW and LPM have no marker and are not read here; they read as Gregorian.
    const int32_t marker = CalendarMarkerOf(cal).value_or(kMarkerGregorian);
    // Every answer is returned where it is made, so that it is built right in the
    // caller's result: handed on through a temporary (an optional of the answer),
    // it was copied once more on every line, 6% of the batch's time.
    int64_t parts[3];
    if (roroviri::MonthsInYear(marker) != 0 &&
        plain_date::ReadPlainDateParts(text, separator, order, parts)) {
        return PlainDateOf(parts, order, marker);
    }
    return ReadDateCharacters(text, separator, order, marker);
}

}  // namespace tembrel
