// Reading the month window's year field.
#include "ui/model/month_year.h"

#include <gtest/gtest.h>

namespace tembrel {
namespace {

struct YearCase {
    const char* text;
    YearTextStatus status;
    int32_t year;
};

TEST(ReadYearText, KeepsDigitsAndOneLeadingSign) {
    const YearCase cases[] = {
        {"2009", YearTextStatus::Valid, 2009},
        {"  2009  ", YearTextStatus::Valid, 2009},
        {"-45", YearTextStatus::Valid, -45},
        {"+5", YearTextStatus::Valid, 5},
        {"-0", YearTextStatus::Valid, 0},
        {"000000012", YearTextStatus::Valid, 12},
        {"20a9", YearTextStatus::Valid, 209},
        {"- 45", YearTextStatus::Valid, -45},
        {"2,009", YearTextStatus::Valid, 2009},
        {"12-3", YearTextStatus::Valid, 123},  // a minus after a digit is dropped
        {"2147483647", YearTextStatus::Valid, INT32_MAX},
        {"-2147483648", YearTextStatus::Valid, INT32_MIN},
    };
    for (const YearCase& c : cases) {
        const YearReading reading = ReadYearText(c.text);
        EXPECT_EQ(reading.status, c.status) << c.text;
        EXPECT_EQ(reading.year, c.year) << c.text;
    }
}

TEST(ReadYearText, TellsEmptySignsOnlyAndOverflowApart) {
    const YearCase cases[] = {
        {"", YearTextStatus::Empty, 0},
        {"   ", YearTextStatus::Empty, 0},
        {"abc", YearTextStatus::Empty, 0},
        {"+", YearTextStatus::NotANumber, 0},
        {"-", YearTextStatus::NotANumber, 0},
        {"+-5", YearTextStatus::NotANumber, 0},
        {"-+5", YearTextStatus::NotANumber, 0},
        {"x-y", YearTextStatus::NotANumber, 0},
        {"2147483648", YearTextStatus::OutOfRange, 0},
        {"-2147483649", YearTextStatus::OutOfRange, 0},
        {"99999999999999999999999999999", YearTextStatus::OutOfRange, 0},
    };
    for (const YearCase& c : cases) {
        const YearReading reading = ReadYearText(c.text);
        EXPECT_EQ(reading.status, c.status) << c.text;
        EXPECT_EQ(reading.year, 0) << c.text;
    }
}

TEST(IsPlainYearText, AcceptsOnlyASignAndDigits) {
    for (const char* text : {"2009", "-45", "+5", " 0 ", "0000"}) {
        EXPECT_TRUE(IsPlainYearText(text)) << text;
    }
    for (const char* text : {"", "-", "+-5", "20a9", "2,009", "- 45", "1e3"}) {
        EXPECT_FALSE(IsPlainYearText(text)) << text;
    }
}

}  // namespace
}  // namespace tembrel
