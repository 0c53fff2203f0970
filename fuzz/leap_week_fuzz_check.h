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

inline int ParseLeapWeek(std::string_view text, LeapWeekForm form, LeapWeekDate& date) {
    return form == LeapWeekForm::Month ? ParseLPMDate(text, date) : ParseLPWDate(text, date);
}

// Input: a with-code choice ('0' without, '1' with, see TakeChoice), then the
// text. Properties: the status is 1, 0 or -1; a valid date lies in the day number
// range, and the date of its day, written with or without code (years of five
// digits grouped), reads back as the same day.
inline void CheckLeapWeekParse(std::string_view input, LeapWeekForm form) {
    const bool withCode = TakeChoice(input, 2) == 1;
    const std::string_view text = input;
    LeapWeekDate date;
    const int status = ParseLeapWeek(text, form, date);
    Require(IsStatus(status), "status is 1, 0 or -1", text);
    if (status != kParseValid) {
        return;
    }
    Require(IsJDNInRange(date.jdn), "a valid day lies in the range", text);
    LeapWeekDate normal;
    normal.jdn = date.jdn;
    JDNToLPM(normal);
    const std::string written = form == LeapWeekForm::Month ? FormatLPMDate(normal, withCode)
                                                            : FormatLPWDate(normal, withCode);
    LeapWeekDate back;
    Require(ParseLeapWeek(written, form, back) == kParseValid && back.jdn == date.jdn,
            "the date written back reads as the same day", written);
}

}  // namespace tembrel::fuzz
