// Fuzzes ParseISOWeekDate. Input: the text. Properties: a valid date lies in the day number range,
// its record is the ISO week date of its day, written back in either form it reads as the same day,
// and the text check accepts the text.
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

    const Parsed<ISOWeekDate> parsed = ParseISOWeekDate(text);
    if (!parsed.ok()) {
        return 0;
    }
    const ISOWeekDate& date = parsed.value;
    Require(IsJDNInRange(date.jdn), "a valid day lies in the range", text);
    const ISOWeekDate normal = ISOWeekDateOf(date.jdn);
    Require(normal.year == date.year && normal.week == date.week && normal.weekday == date.weekday,
            "the record is the ISO week date of its day", text);
    Require(CheckISOWeekText(RemoveSpaces(text)) != TextForm::Neither, "the text check accepts it",
            text);
    for (const bool hyphen : {false, true}) {
        const std::string written = FormatISOWeekDate(date, hyphen);
        const Parsed<ISOWeekDate> back = ParseISOWeekDate(written);
        Require(back.ok() && back.value.jdn == date.jdn,
                "the date written back reads as the same day", written);
        Require(CheckISOWeekText(written) == (hyphen ? TextForm::Hyphenated : TextForm::Compact),
                "the text check knows the written form", written);
    }
    return 0;
}
