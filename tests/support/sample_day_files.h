// Small holiday files shared by the tests of the holidays library and of
// tembrel-cli.
#pragma once

#include <string_view>

namespace tembrel::test_support {

// An iCalendar file of one all-day event every year from 2 January 2020.
inline constexpr std::string_view kYearlyFoundersDayIcs =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n"
    "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20200102\r\n"
    "RRULE:FREQ=YEARLY\r\nSUMMARY:Founders' Day\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

}  // namespace tembrel::test_support
