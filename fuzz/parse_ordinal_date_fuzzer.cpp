// Fuzzes ParseOrdinalDate. Input: a hyphen choice ('0' hyphens on, '1' off, see
// TakeChoice), then the text. Properties: the status is 1, 0 or -1; a valid date
// lies in years 1..9999, its record is the Gregorian date of its day, written
// back in the same form it reads as the same day, and CheckOrdinalText agrees
// with the form of a text without spaces.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "fuzz/date_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    std::string_view input = fuzz::AsText(data, size);
    const int16_t hyphen = fuzz::TakeHyphen(input);
    const std::string_view text = input;

    CalDate date{};
    const int status = ParseOrdinalDate(text, hyphen, date);
    Require(fuzz::IsStatus(status), "status is 1, 0 or -1", text);
    if (status != kParseValid) {
        return 0;
    }
    Require(HasOrdinalForm(date.jdn), "a valid ordinal date lies in years 1..9999", text);
    const CalDate normal = CalDateOfJDN(date.jdn, kMarkerGregorian);
    Require(normal.year == date.year && normal.month == date.month && normal.day == date.day &&
                date.marker == kMarkerGregorian,
            "the record holds the Gregorian date", text);
    const std::string written = FormatOrdinalDate(date, DayOfYear(date), hyphen);
    CalDate back{};
    Require(ParseOrdinalDate(written, hyphen, back) == kParseValid && back.jdn == date.jdn,
            "the date written back reads as the same day", written);
    if (text.find(' ') == std::string_view::npos) {
        Require(CheckOrdinalText(text) == (hyphen == 1 ? kHyphenatedForm : kCompactForm),
                "the text check knows the form", text);
        Require(written == text, "a text without spaces is already in normal form", text);
    }
    return 0;
}
