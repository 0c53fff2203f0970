#include "core/calendar_binding.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "core/calendar_tables.h"
#include "core/today.h"

namespace tembrel {
namespace {

CalDate Date(int32_t year, int32_t month, int32_t day, char marker) {
    CalDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.marker = marker;
    return date;
}

TEST(CalendarLimits, BoundTheOrdinalYears) {
    CalDate first = Date(1, 1, 1, kMarkerGregorian);
    EXPECT_EQ(EuroDateToJDN(first), kFirstJDNOfCE1);
    EXPECT_EQ(first.jdn, kFirstJDNOfCE1) << "the day number is stored too";
    EXPECT_EQ(DayOfWeek(first.jdn), 1) << "1 January 1 CE is a Monday";
    CalDate last = Date(9999, 12, 31, kMarkerGregorian);
    EXPECT_EQ(EuroDateToJDN(last), kLastJDNOfCE9999);
    EXPECT_TRUE(HasOrdinalForm(kFirstJDNOfCE1));
    EXPECT_FALSE(HasOrdinalForm(kFirstJDNOfCE1 - 1));
    EXPECT_FALSE(HasOrdinalForm(kLastJDNOfCE9999 + 1));
    EXPECT_TRUE(IsJDNInRange(kMaxJDN));
    EXPECT_FALSE(IsJDNInRange(int64_t{kMaxJDN} + 1));
    EXPECT_FALSE(IsJDNInRange(kRoroviriNoJdn));
}

TEST(DayOfWeek, NumbersSundayZero) {
    const int32_t sunday = 2454486;  // 2008-01-20
    EXPECT_EQ(DayOfWeek(sunday), 0);
    EXPECT_FALSE(IsWorkday(sunday));
    EXPECT_FALSE(IsWorkday(sunday - 1));
    for (int32_t jdn = sunday + 1; jdn <= sunday + 5; ++jdn) {
        EXPECT_TRUE(IsWorkday(jdn)) << jdn;
    }
    EXPECT_EQ(DayOfWeek(kMinJDN), DayOfWeek(kMinJDN + 7));
    EXPECT_EQ(DayOfWeek(0), 1) << "JDN 0 is a Monday";
    EXPECT_EQ(DayOfWeek(-1), 0) << "weekdays continue below day 0";
}

TEST(DayOfYear, FollowsTheRecordsCalendar) {
    EXPECT_EQ(DayOfYear(Date(2008, 12, 31, kMarkerGregorian)), 366);
    EXPECT_EQ(DayOfYear(Date(2007, 12, 31, kMarkerGregorian)), 365);
    EXPECT_EQ(DayOfYear(Date(1900, 12, 31, kMarkerGregorian)), 365);
    EXPECT_EQ(DayOfYear(Date(1900, 12, 31, kMarkerJulian)), 366);
    EXPECT_EQ(DayOfYear(Date(2008, 1, 1, kMarkerGregorian)), 1);
    EXPECT_EQ(DayOfYear(Date(-44, 3, 1, kMarkerJulian)), 61) << "year -44 is a Julian leap year";
    EXPECT_EQ(DayOfYear(Date(2008, 10, 37, kMarkerAnnusNovus)), 366);
}

TEST(SetCalendarMarker, SetsMarkersOnlyForCalendarNotations) {
    CalDate date = Date(2008, 1, 1, 'X');
    EXPECT_FALSE(SetCalendarMarker(CalendarCode::LPW, date));
    EXPECT_EQ(date.marker, 'X');
    EXPECT_FALSE(SetCalendarMarker(CalendarCode::JDN, date));
    EXPECT_FALSE(SetCalendarMarker(CalendarCode::LPM, date));
    EXPECT_EQ(date.marker, 'X');
    EXPECT_TRUE(SetCalendarMarker(CalendarCode::ORD, date));
    EXPECT_EQ(date.marker, 'G');
    EXPECT_TRUE(SetCalendarMarker(CalendarCode::JC, date));
    EXPECT_EQ(date.marker, 'J');
    EXPECT_TRUE(SetCalendarMarker(CalendarCode::AN, date));
    EXPECT_EQ(date.marker, 'A');
    EXPECT_TRUE(SetCalendarMarker(CalendarCode::ISO, date));
    EXPECT_EQ(date.marker, 'I');
    EXPECT_TRUE(SetCalendarMarker(CalendarCode::NLW, date));
    EXPECT_EQ(date.marker, 'N');
}

TEST(CalendarCodes, TextsAndMarkers) {
    EXPECT_EQ(CalCodeText(CalendarCode::CE), "CE");
    EXPECT_EQ(CalCodeText(CalendarCode::LPM), "LPM");
    EXPECT_EQ(CalMarkerText(CalendarCode::JDN), "JD");
    EXPECT_EQ(CalMarkerText(CalendarCode::ORD), "");
    EXPECT_EQ(CalCodeText(CalendarCode::XLS), "XLS");
    EXPECT_EQ(CalendarCodeFromInt(8), CalendarCode::LPM);
    EXPECT_EQ(CalendarCodeFromInt(26), CalendarCode::XLS);
    EXPECT_FALSE(CalendarCodeFromInt(27).has_value());
    EXPECT_FALSE(CalendarCodeFromInt(-1).has_value());
}

TEST(CalendarCodes, EveryCodeTextNamesItsCodeAlone) {
    for (int i = 0; i < kCalendarCodeCount; ++i) {
        const auto cal = static_cast<CalendarCode>(i);
        EXPECT_EQ(CalendarCodeFromText(CalCodeText(cal)), cal) << i;
    }
    for (const std::string_view text : {"", "heb", "HEB ", "XYZ", "C"}) {
        EXPECT_FALSE(CalendarCodeFromText(text).has_value()) << text;
    }
}

TEST(Today, IsTheSystemsLocalDate) {
    // The day number of the local date that the standard library's clock gives.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::chrono::year_month_day date{std::chrono::year{local.tm_year + 1900},
                                           std::chrono::month{unsigned(local.tm_mon + 1)},
                                           std::chrono::day{unsigned(local.tm_mday)}};
    const int32_t expected =
        static_cast<int32_t>(std::chrono::sys_days{date}.time_since_epoch().count()) + 2440588;
    const int32_t today = SystemTodayJDN();
    // A day may have ended between the two readings.
    EXPECT_TRUE(today == expected || today == expected + 1) << today << " " << expected;
}

}  // namespace
}  // namespace tembrel
