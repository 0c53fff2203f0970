// The property check of the two leap week parser fuzz targets, which differ only
// in the form they read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/calendar_tables.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/leap_week.h"
#include "fuzz/date_fuzz_support.h"

namespace tembrel::fuzz {

enum class LeapWeekForm { Month, Week };

inline Parsed<LeapWeekDate> ParseLeapWeek(std::string_view text, LeapWeekForm form) {
    return form == LeapWeekForm::Month ? ParseLPMDate(text) : ParseLPWDate(text);
}

// Input: a with-code choice ('0' without, '1' with, see TakeChoice), then the
// text. Properties: a refused text gives no date; a valid date lies in the day
// number range, and the date of its day, written with or without code (years of
// five digits grouped), reads back as the same day.
inline void CheckLeapWeekParse(std::string_view input, LeapWeekForm form) {
    const bool withCode = TakeChoice(input, 2) == 1;
    const std::string_view text = input;
    const Parsed<LeapWeekDate> date = ParseLeapWeek(text, form);
    if (!date.ok()) {
        Require(date.value.jdn == 0 && date.value.year == 0, "a refused text gives no date", text);
        return;
    }
    Require(IsJDNInRange(date.value.jdn), "a valid day lies in the range", text);
    const LeapWeekDate normal = LPMDateOf(date.value.jdn);
    const std::string written = form == LeapWeekForm::Month ? FormatLPMDate(normal, withCode)
                                                            : FormatLPWDate(normal, withCode);
    const Parsed<LeapWeekDate> back = ParseLeapWeek(written, form);
    Require(back.ok() && back.value.jdn == date.value.jdn,
            "the date written back reads as the same day", written);
}

}  // namespace tembrel::fuzz
