#include "core/date_formatting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/calendar_binding.h"
#include "core/date_parsing.h"
#include "core/today.h"

#include "tests/support/dates.h"

namespace tembrel {
namespace {

using test_support::MakeDate;

LeapWeekDate Leap(int32_t year, int16_t monthOrWeek, int16_t dayOrWeekday) {
    LeapWeekDate date;
    date.year = year;
    date.month = monthOrWeek;
    date.week = monthOrWeek;
    date.day = dayOrWeekday;
    date.weekday = dayOrWeekday;
    return date;
}

// --- InsertThousandsSep and FormatWholeNumber

TEST(InsertThousandsSep, GroupsDigitsFromTheRight) {
    EXPECT_EQ(InsertThousandsSep("-1234567", ","), "-1,234,567");
    EXPECT_EQ(InsertThousandsSep("1234", "."), "1.234");
    EXPECT_EQ(InsertThousandsSep("123", ","), "123");
    EXPECT_EQ(InsertThousandsSep("-123", ","), "-123");
    EXPECT_EQ(InsertThousandsSep("1234567", ""), "1234567");
}

TEST(FormatWholeNumber, WritesEvery32BitValue) {
    EXPECT_EQ(FormatWholeNumber(2454000, ","), "2,454,000");
    EXPECT_EQ(FormatWholeNumber(-1234567, ","), "-1,234,567");
    EXPECT_EQ(FormatWholeNumber(0, ","), "0");
    EXPECT_EQ(FormatWholeNumber(std::numeric_limits<int32_t>::min(), "."), "-2.147.483.648");
    EXPECT_EQ(FormatWholeNumber(-2100000000, ""), "-2100000000");
}

// --- FormatDateText

TEST(FormatDateText, WritesEachOrderWithTwoDigitDayAndMonth) {
    const CalDate date = MakeDate(2008, 3, 5);
    EXPECT_EQ(FormatDateText(date, DateOrder::DMY, ".", ","), "05.03.2008");
    EXPECT_EQ(FormatDateText(date, DateOrder::MDY, "/", ","), "03/05/2008");
    EXPECT_EQ(FormatDateText(date, DateOrder::YMD, "-", ","), "2008-03-05");
    EXPECT_EQ(FormatDateText(MakeDate(5, 12, 31), DateOrder::YMD, "-", ","), "5-12-31");
}

TEST(FormatDateText, PutsANegativeYearAfterASeparatorInParentheses) {
    const CalDate date = MakeDate(-45, 3, 15);
    EXPECT_EQ(FormatDateText(date, DateOrder::DMY, "/", ","), "15/03/(-45)");
    EXPECT_EQ(FormatDateText(date, DateOrder::MDY, "-", ","), "03-15-(-45)");
    EXPECT_EQ(FormatDateText(date, DateOrder::YMD, "/", ","), "-45/03/15");
}

TEST(FormatDateText, GroupsYearsOfFiveDigits) {
    EXPECT_EQ(FormatDateText(MakeDate(12345, 1, 1), DateOrder::YMD, "-", "."), "12.345-01-01");
    EXPECT_EQ(FormatDateText(MakeDate(12345, 1, 1), DateOrder::YMD, "-", ""), "12345-01-01");
    EXPECT_EQ(FormatDateText(MakeDate(-12345, 1, 1), DateOrder::DMY, "-", ","), "01-01-(-12,345)");
    EXPECT_EQ(FormatDateText(MakeDate(9999, 1, 1), DateOrder::YMD, "-", ","), "9999-01-01");
    EXPECT_EQ(FormatDateText(MakeDate(-9999, 1, 1), DateOrder::YMD, "-", ","), "-9999-01-01");
    EXPECT_EQ(FormatDateText(MakeDate(10000, 1, 1), DateOrder::YMD, "/", ","), "10,000/01/01");
}

TEST(FormatDateText, LeavesTheYearUngroupedWhenTheSeparatorsAreTheSame) {
    // "12.345.01.01" would have four parts; no parser could read it back.
    const CalDate date = MakeDate(12345, 1, 1);
    EXPECT_EQ(FormatDateText(date, DateOrder::YMD, ".", "."), "12345.01.01");
    EXPECT_EQ(FormatDateText(date, DateOrder::DMY, ".", "."), "01.01.12345");
    const Parsed<CalDate> back =
        ParseDateText("01.01.12345", ".", CalendarCode::CE, DateOrder::DMY);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value.year, 12345);
}

TEST(FormatDateText, WritesRevarOvereYearFirstWithHyphensAndNoGrouping) {
    EXPECT_EQ(FormatDateText(MakeDate(2008, 10, 37, kMarkerAnnusNovus), DateOrder::MDY, "/", ","),
              "2008-10-37");
    EXPECT_EQ(FormatDateText(MakeDate(2008, 1, 5, kMarkerAnnusNovus), DateOrder::DMY, ".", ","),
              "05-01-2008");
    EXPECT_EQ(FormatDateText(MakeDate(12345, 1, 5, kMarkerAnnusNovus), DateOrder::YMD, "-", ","),
              "12345-01-05");
}

// --- FormatOrdinalDate and FormatISOWeekDate

TEST(FormatOrdinalDate, PadsYearAndDay) {
    EXPECT_EQ(FormatOrdinalDate(MakeDate(2008, 1, 5), 5, 0), "2008005");
    EXPECT_EQ(FormatOrdinalDate(MakeDate(9, 1, 5), 5, 1), "0009-005");
    EXPECT_EQ(FormatOrdinalDate(MakeDate(2008, 3, 1), 61, 1), "2008-061");
    EXPECT_EQ(FormatOrdinalDate(MakeDate(-45, 3, 1), 60, 1), "-0045-060");
}

TEST(FormatISOWeekDate, WritesBothForms) {
    ISOWeekDate date;
    date.year = 2008;
    date.week = 7;
    date.weekday = 7;
    EXPECT_EQ(FormatISOWeekDate(date, 1), "2008-W07-7");
    EXPECT_EQ(FormatISOWeekDate(date, 0), "2008W077");
    date.year = -45;
    date.week = 53;
    EXPECT_EQ(FormatISOWeekDate(date, 1), "-45-W53-7");
    date.year = 123456;
    EXPECT_EQ(FormatISOWeekDate(date, 0), "123456W537");
}

// --- FormatLPWDate and FormatLPMDate

TEST(FormatLeapWeekDates, WriteBothFormsWithOrWithoutCode) {
    EXPECT_EQ(FormatLPWDate(Leap(2008, 1, 1), true), "2008-01-1 LPW");
    EXPECT_EQ(FormatLPWDate(Leap(2008, 1, 1), false), "2008-01-1");
    EXPECT_EQ(FormatLPMDate(Leap(2009, 12, 35), true), "2009-12-35 LPM");
    EXPECT_EQ(FormatLPMDate(Leap(-45, 2, 3), false), "-45-02-03");
}

TEST(FormatLeapWeekDates, GroupYearsOfFiveDigitsWithCommas) {
    EXPECT_EQ(FormatLPWDate(Leap(9999, 52, 7), false), "9999-52-7");
    EXPECT_EQ(FormatLPWDate(Leap(-12345, 1, 1), false), "-12,345-01-1");
    EXPECT_EQ(FormatLPMDate(Leap(5744000, 12, 28), true), "5,744,000-12-28 LPM");
    const Parsed<LeapWeekDate> back = ParseLPMDate("5,744,000-12-28 LPM");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value.year, 5744000);
}

}  // namespace
}  // namespace tembrel
