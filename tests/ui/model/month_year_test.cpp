// Reading the month window's year field.
#include "ui/model/month_year.h"

#include <gtest/gtest.h>

namespace tembrel {
namespace {

struct YearCase {
    const char* text;
    ParseStatus status;
    int32_t year;
};

constexpr ParseStatus kValid = ParseStatus::Valid;

TEST(ReadYearText, KeepsDigitsAndOneLeadingSign) {
    const YearCase cases[] = {
        {"2009", kValid, 2009},
        {"  2009  ", kValid, 2009},
        {"-45", kValid, -45},
        {"+5", kValid, 5},
        {"-0", kValid, 0},
        {"000000012", kValid, 12},
        {"20a9", kValid, 209},
        {"- 45", kValid, -45},
        {"2,009", kValid, 2009},
        {"12-3", kValid, 123},  // a minus after a digit is dropped
        {"2147483647", kValid, INT32_MAX},
        {"-2147483648", kValid, INT32_MIN},
    };
    for (const YearCase& c : cases) {
        const Parsed<int32_t> reading = ReadYearText(c.text);
        EXPECT_EQ(reading.status, c.status) << c.text;
        EXPECT_EQ(reading.value, c.year) << c.text;
    }
}

TEST(ReadYearText, TellsTextsWithoutANumberFromOverflow) {
    const YearCase cases[] = {
        {"", ParseStatus::Invalid, 0},
        {"   ", ParseStatus::Invalid, 0},
        {"abc", ParseStatus::Invalid, 0},
        {"+", ParseStatus::Invalid, 0},
        {"-", ParseStatus::Invalid, 0},
        {"+-5", ParseStatus::Invalid, 0},
        {"-+5", ParseStatus::Invalid, 0},
        {"x-y", ParseStatus::Invalid, 0},
        {"2147483648", ParseStatus::OutOfRange, 0},
        {"-2147483649", ParseStatus::OutOfRange, 0},
        {"99999999999999999999999999999", ParseStatus::OutOfRange, 0},
        {"-99999999999999999999999999999", ParseStatus::OutOfRange, 0},
    };
    for (const YearCase& c : cases) {
        const Parsed<int32_t> reading = ReadYearText(c.text);
        EXPECT_EQ(reading.status, c.status) << c.text;
        EXPECT_EQ(reading.value, 0) << c.text;
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
