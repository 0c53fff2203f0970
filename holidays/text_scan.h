// Small readers shared by the parsers of the holiday rule file and the user's
// day files: blanks, words, whole numbers and ISO dates. Texts are UTF-8; the
// characters these routines look for are ASCII.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tembrel::holidays {

// Returns true for a space or a tab.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Returns the text without blanks at either end.
std::string_view TrimBlanks(std::string_view text);

// Returns true when both texts are equal, ASCII letters compared without case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Removes and returns the first word of `text` (a run of characters other than
// blanks), skipping blanks before it; empty when only blanks are left.
std::string_view TakeWord(std::string_view& text);

// Reads a text that is exactly decimal digits with an optional leading "+" or
// "-", as a value within -limit..limit; empty otherwise.
std::optional<int32_t> ReadWholeNumber(std::string_view text, int32_t limit);

// A date of the Gregorian calendar.
struct IsoDate {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
};

// Reads "yyyy-mm-dd" (exactly four, two and two digits) as a date that exists
// in the Gregorian calendar, years 1..9999; empty otherwise.
std::optional<IsoDate> ReadIsoDate(std::string_view text);

// Returns the number of days of a month of the Gregorian calendar.
int32_t DaysInGregorianMonth(int64_t year, int32_t month);

// Takes the next line from the front of `bytes`, without its LF or CR LF.
std::string_view TakeLine(std::string_view& bytes);

}  // namespace tembrel::holidays
