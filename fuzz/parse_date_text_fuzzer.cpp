// Fuzzes ParseDateText. Input: date separator, calendar, order and thousands
// separator choices (one character each, see TakeChoice), then the text.
// Properties: the status is 1, 0 or -1; a failed parse writes nothing; a valid
// date lies in the day number range and the year limit, is a real date of its
// calendar, and written back in the same format reads as the same day.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "fuzz/date_fuzz_support.h"

namespace {

using namespace tembrel;
using tembrel::fuzz::Require;

constexpr CalDate kUntouched{-7, -7, -7, -7, -7, -7};

bool SameRecord(const CalDate& a, const CalDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.marker == b.marker &&
           a.jdn == b.jdn && a.spare == b.spare;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = fuzz::AsText(data, size);
    const std::string_view dateSep = fuzz::TakeDateSep(input);
    // The codes up to LPM: the world's calendars have readers of their own and
    // read here as Common Era dates.
    const auto cal =
        static_cast<CalendarCode>(fuzz::TakeChoice(input, static_cast<int>(CalendarCode::LPM) + 1));
    const DateOrder order = fuzz::TakeOrder(input);
    const std::string_view thousSep = fuzz::TakeThousSep(input);
    const std::string_view text = input;

    CalDate date = kUntouched;
    const int status = ParseDateText(text, dateSep, cal, order, date);
    Require(fuzz::IsStatus(status), "status is 1, 0 or -1", text);
    if (status != kParseValid) {
        Require(SameRecord(date, kUntouched), "a failed parse writes nothing", text);
        return 0;
    }
    Require(IsJDNInRange(date.jdn), "a valid day lies in the range", text);
    Require(date.spare == kUntouched.spare, "the spare field is the caller's", text);
    if (cal == CalendarCode::JDN) {
        const std::string written = FormatWholeNumber(date.jdn, thousSep);
        CalDate back = kUntouched;
        Require(ParseDateText(written, dateSep, cal, order, back) == kParseValid &&
                    back.jdn == date.jdn,
                "a day number reads back", written);
        return 0;
    }
    Require(date.year >= -kMaxYear && date.year <= kMaxYear, "the year is within the limit", text);
    const CalDate normal = CalDateOfJDN(date.jdn, static_cast<char>(date.marker));
    Require(normal.year == date.year && normal.month == date.month && normal.day == date.day,
            "the date exists in its calendar", text);
    const std::string written = FormatDateText(date, order, dateSep, thousSep);
    CalDate back = kUntouched;
    Require(
        ParseDateText(written, dateSep, cal, order, back) == kParseValid && back.jdn == date.jdn,
        "the date written back reads as the same day", written);
    return 0;
}
