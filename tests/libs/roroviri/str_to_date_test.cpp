// Reading date text: separators and signs, the three orders, the shapes that are
// no date, months and days that do not exist in the calendar, and dates beyond
// 32 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "libs/roroviri/roroviri.h"
#include "tests/libs/roroviri/reference_calendar.h"
#include "tests/libs/roroviri/test_support.h"

namespace roroviri_test {
namespace {

struct ReadResult {
    int32_t code;
    CalDate date;
};

// Reads a text into a record that starts out filled with a recognisable pattern.
ReadResult Read(const std::string& text, int32_t order = kOrderYearMonthDay, int32_t marker = 'G') {
    CalDate date{111, 222, 333, 444, 555, 666};
    const int32_t code = str_to_date(text.c_str(), order, &date, marker);
    return {code, date};
}

::testing::AssertionResult ReadsAs(const std::string& text, int32_t order, int32_t marker,
                                   int32_t year, int32_t month, int32_t day) {
    const ReadResult result = Read(text, order, marker);
    const CalDate& d = result.date;
    if (result.code != kStrToDateValid || d.year != year || d.month != month || d.day != day ||
        d.marker != marker || d.jdn != 555 || d.spare != 666) {
        return ::testing::AssertionFailure()
               << '"' << text << "\" gave " << result.code << ": " << d.year << '/' << d.month
               << '/' << d.day << " marker " << d.marker << " jdn " << d.jdn;
    }
    return ::testing::AssertionSuccess();
}

// Returns the code and checks that a failed read left the record untouched.
int32_t FailureCode(const std::string& text, int32_t order = kOrderYearMonthDay,
                    int32_t marker = 'G') {
    const ReadResult result = Read(text, order, marker);
    const CalDate& d = result.date;
    EXPECT_TRUE(d.year == 111 && d.month == 222 && d.day == 333 && d.marker == 444 &&
                d.jdn == 555 && d.spare == 666)
        << '"' << text << "\" wrote the record";
    return result.code;
}

TEST(StrToDate, SplitsAtEachOfTheThreeSeparators) {
    EXPECT_TRUE(ReadsAs("2008-03-15", kOrderYearMonthDay, 'G', 2008, 3, 15));
    EXPECT_TRUE(ReadsAs("2008/03/15", kOrderYearMonthDay, 'G', 2008, 3, 15));
    EXPECT_TRUE(ReadsAs("2008.3.15", kOrderYearMonthDay, 'G', 2008, 3, 15));
    EXPECT_TRUE(ReadsAs("2008/03.15", kOrderYearMonthDay, 'G', 2008, 3, 15));
    EXPECT_TRUE(ReadsAs("0002008-0003-0015", kOrderYearMonthDay, 'G', 2008, 3, 15));
}

TEST(StrToDate, TakesTheYearFromWhereTheOrderPutsIt) {
    EXPECT_TRUE(ReadsAs("15.03.2008", kOrderDayMonthYear, 'G', 2008, 3, 15));
    EXPECT_TRUE(ReadsAs("03/15/2008", kOrderMonthDayYear, 'G', 2008, 3, 15));
    EXPECT_TRUE(ReadsAs("1-2-3", kOrderYearMonthDay, 'G', 1, 2, 3));
    EXPECT_TRUE(ReadsAs("1-2-3", kOrderDayMonthYear, 'G', 3, 2, 1));
    EXPECT_TRUE(ReadsAs("1-2-3", kOrderMonthDayYear, 'G', 3, 1, 2));
    EXPECT_EQ(FailureCode("2008-03-15", 3), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-03-15", -1), kStrToDateInvalid);
}

TEST(StrToDate, ReadsALeadingMinusOfTheYearAsItsSign) {
    EXPECT_TRUE(ReadsAs("-45-03-15", kOrderYearMonthDay, 'J', -45, 3, 15));
    EXPECT_TRUE(ReadsAs("15/03/-45", kOrderDayMonthYear, 'J', -45, 3, 15));
    EXPECT_TRUE(ReadsAs("15-03--45", kOrderDayMonthYear, 'J', -45, 3, 15));
    EXPECT_TRUE(ReadsAs("03.15.-45", kOrderMonthDayYear, 'J', -45, 3, 15));
    EXPECT_TRUE(ReadsAs("-0-01-01", kOrderYearMonthDay, 'G', 0, 1, 1));
}

TEST(StrToDate, RefusesASignOnMonthOrDay) {
    EXPECT_EQ(FailureCode("2008--03-15"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-03--15"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("-15-03-2008", kOrderDayMonthYear), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("-03-15-2008", kOrderMonthDayYear), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-03--0"), kStrToDateInvalid);
}

TEST(StrToDate, RefusesTextsThatAreNotThreeNumbers) {
    for (const char* text : {"",
                             "2008",
                             "2008-03",
                             "2008-03-",
                             "2008-03-15-",
                             "2008-03-15-1",
                             "/2008/03/15",
                             "2008/03/15/",
                             "2008//03/15",
                             "2008..03.15",
                             "--2008-03-15",
                             "-",
                             "--",
                             "---",
                             "-2008-03-15-",
                             "+2008-03-15",
                             "2008 -03-15",
                             "2008-3a-15",
                             "2008-03-15\n",
                             "2008_03_15",
                             "2008-03-1-5"}) {
        EXPECT_EQ(FailureCode(text), kStrToDateInvalid) << '"' << text << '"';
    }
    CalDate date{};
    EXPECT_EQ(str_to_date(nullptr, kOrderYearMonthDay, &date, 'G'), kStrToDateInvalid);
    EXPECT_EQ(str_to_date("2008-03-15", kOrderYearMonthDay, nullptr, 'G'), kStrToDateInvalid);
}

TEST(StrToDate, RefusesMonthsAndDaysTheCalendarDoesNotHave) {
    EXPECT_EQ(FailureCode("2008-02-30"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2009-02-29"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("1900-02-29"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-04-31"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-13-01"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-00-10"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-01-00"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-99999999999999999999-15"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2008-01-99999999999999999999"), kStrToDateInvalid);
    EXPECT_TRUE(ReadsAs("2008-02-29", kOrderYearMonthDay, 'G', 2008, 2, 29));
    EXPECT_TRUE(ReadsAs("2000-02-29", kOrderYearMonthDay, 'G', 2000, 2, 29));
    // The Julian calendar has 29 February 1900.
    EXPECT_TRUE(ReadsAs("1900-02-29", kOrderYearMonthDay, 'J', 1900, 2, 29));
    EXPECT_EQ(FailureCode("1900-02-30", kOrderYearMonthDay, 'J'), kStrToDateInvalid);
}

TEST(StrToDate, KnowsTheTenMonthsOfRevarOvere) {
    EXPECT_TRUE(ReadsAs("2009-05-37", kOrderYearMonthDay, 'A', 2009, 5, 37));
    EXPECT_TRUE(ReadsAs("2008-10-37", kOrderYearMonthDay, 'A', 2008, 10, 37));
    EXPECT_EQ(FailureCode("2009-10-37", kOrderYearMonthDay, 'A'), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2009-06-37", kOrderYearMonthDay, 'A'), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2009-11-01", kOrderYearMonthDay, 'A'), kStrToDateInvalid);
}

TEST(StrToDate, RefusesUnsupportedMarkers) {
    for (const int32_t marker : {int32_t{'N'}, int32_t{'I'}, int32_t{'g'}, 0, 'G' + 256}) {
        EXPECT_EQ(FailureCode("2008-03-15", kOrderYearMonthDay, marker), kStrToDateInvalid)
            << marker;
    }
}

TEST(StrToDate, AnswersOutOfRangeForYearsAndDatesBeyond32Bits) {
    EXPECT_EQ(FailureCode("2147483648-01-01"), kStrToDateOutOfRange);
    EXPECT_EQ(FailureCode("-2147483649-01-01"), kStrToDateOutOfRange);
    EXPECT_EQ(FailureCode("2147483647-01-01"), kStrToDateOutOfRange);
    EXPECT_EQ(FailureCode("-2147483648-01-01"), kStrToDateOutOfRange);
    EXPECT_EQ(FailureCode("99999999999999999999999999999999-01-01"), kStrToDateOutOfRange);
    EXPECT_EQ(FailureCode("01-01--99999999999999999999999999999999", kOrderDayMonthYear),
              kStrToDateOutOfRange);
    EXPECT_EQ(FailureCode("5900000-01-01"), kStrToDateOutOfRange);
    EXPECT_EQ(FailureCode("-5900000-01-01", kOrderYearMonthDay, 'J'), kStrToDateOutOfRange);
    EXPECT_TRUE(ReadsAs("5800000-12-31", kOrderYearMonthDay, 'G', 5800000, 12, 31));
    // A day that exists in no year is invalid even in a year beyond 32 bits.
    EXPECT_EQ(FailureCode("2147483648-02-30"), kStrToDateInvalid);
    EXPECT_EQ(FailureCode("2147483648-02-29"), kStrToDateOutOfRange);
}

TEST(StrToDate, AcceptsExactlyTheDatesUpToTheLast32BitDayNumber) {
    for (const char marker : {'G', 'J'}) {
        const Calendar calendar = marker == 'G' ? Calendar::Gregorian : Calendar::Julian;
        const Ymd last = ReferenceDate(calendar, std::numeric_limits<int32_t>::max());
        const Ymd first = ReferenceDate(calendar, std::numeric_limits<int32_t>::min() + 1);
        const auto text = [](const Ymd& date) {
            return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
                   std::to_string(date.day);
        };
        const auto asInt = [](int64_t value) { return static_cast<int32_t>(value); };
        EXPECT_TRUE(ReadsAs(text(last), kOrderYearMonthDay, marker, asInt(last.year),
                            asInt(last.month), asInt(last.day)));
        EXPECT_TRUE(ReadsAs(text(first), kOrderYearMonthDay, marker, asInt(first.year),
                            asInt(first.month), asInt(first.day)));
        EXPECT_EQ(FailureCode(text(NextDay(calendar, last)), kOrderYearMonthDay, marker),
                  kStrToDateOutOfRange);
        EXPECT_EQ(FailureCode(text(PreviousDay(calendar, first)), kOrderYearMonthDay, marker),
                  kStrToDateOutOfRange);
    }
}

}  // namespace
}  // namespace roroviri_test
