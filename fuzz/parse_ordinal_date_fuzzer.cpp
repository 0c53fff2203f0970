// Fuzzes ParseOrdinalDate. Input: a hyphen choice ('0' hyphens on, '1' off, see
// TakeChoice), then the text. Properties: a valid date lies in years 1..9999, its record is the
// Gregorian date of its day, written back in the same form it reads as the same day, and
// CheckOrdinalText agrees with the form of a text without spaces.
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
    const bool hyphen = fuzz::TakeHyphen(input);
    const std::string_view text = input;

    const Parsed<CalDate> parsed = ParseOrdinalDate(text, hyphen);
    if (!parsed.ok()) {
        return 0;
    }
    const CalDate& date = parsed.value;
    Require(HasOrdinalForm(date.jdn), "a valid ordinal date lies in years 1..9999", text);
    const CalDate normal = CalDateOfJDN(date.jdn, kMarkerGregorian);
    Require(normal.year == date.year && normal.month == date.month && normal.day == date.day &&
                date.marker == kMarkerGregorian,
            "the record holds the Gregorian date", text);
    const std::string written = FormatOrdinalDate(date, DayOfYear(date), hyphen);
    const Parsed<CalDate> back = ParseOrdinalDate(written, hyphen);
    Require(back.ok() && back.value.jdn == date.jdn, "the date written back reads as the same day",
            written);
    if (text.find(' ') == std::string_view::npos) {
        Require(CheckOrdinalText(text) == (hyphen ? TextForm::Hyphenated : TextForm::Compact),
                "the text check knows the form", text);
        Require(written == text, "a text without spaces is already in normal form", text);
    }
    return 0;
}
