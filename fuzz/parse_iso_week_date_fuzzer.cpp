// Fuzzes ParseISOWeekDate. Input: the text. Properties: the status is 1, 0 or -1;
// a valid date lies in the day number range, its record is the ISO week date of
// its day, written back in either form it reads as the same day, and the text
// check accepts the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/calendar_tables.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/iso_week.h"
#include "core/string_utils.h"
#include "fuzz/date_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    const std::string_view text = fuzz::AsText(data, size);

    ISOWeekDate date;
    const int status = ParseISOWeekDate(text, date);
    Require(fuzz::IsStatus(status), "status is 1, 0 or -1", text);
    if (status != kParseValid) {
        return 0;
    }
    Require(IsJDNInRange(date.jdn), "a valid day lies in the range", text);
    ISOWeekDate normal;
    normal.jdn = date.jdn;
    JDNToISOWeekDate(normal);
    Require(normal.year == date.year && normal.week == date.week && normal.weekday == date.weekday,
            "the record is the ISO week date of its day", text);
    Require(CheckISOWeekText(RemoveSpaces(text)) != kNeitherForm, "the text check accepts it",
            text);
    for (const int16_t hyphen : {int16_t{0}, int16_t{1}}) {
        const std::string written = FormatISOWeekDate(date, hyphen);
        ISOWeekDate back;
        Require(ParseISOWeekDate(written, back) == kParseValid && back.jdn == date.jdn,
                "the date written back reads as the same day", written);
        Require(CheckISOWeekText(written) == (hyphen == 1 ? kHyphenatedForm : kCompactForm),
                "the text check knows the written form", written);
    }
    return 0;
}
