#include "core/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tembrel {
namespace {

TEST(ReadLeadingNumber, ReadsASignAndDigitsAndStopsAfterThem) {
    const struct {
        const char* text;
        int64_t value;
        size_t length;
    } rows[] = {
        {"2008", 2008, 4}, {"-45,2", -45, 3}, {"+7 days", 7, 2}, {"007x", 7, 3},
        {"-0", 0, 2},      {"", 0, 0},        {"-", 0, 0},       {"+-5", 0, 0},
        {"--5", 0, 0},     {" 5", 0, 0},  // blanks are the caller's
        {"x5", 0, 0},
    };
    for (const auto& row : rows) {
        const LeadingNumber number = ReadLeadingNumber(row.text);
        EXPECT_EQ(number.value, row.value) << row.text;
        EXPECT_EQ(number.length, row.length) << row.text;
    }
}

TEST(ReadLeadingNumber, SaturatesAtTheCapHoweverManyDigits) {
    const std::string justAbove = std::to_string(kWholeNumberCap + 1);
    EXPECT_EQ(ReadLeadingNumber(std::to_string(kWholeNumberCap)).value, kWholeNumberCap);
    EXPECT_EQ(ReadLeadingNumber(justAbove).value, kWholeNumberCap);
    EXPECT_EQ(ReadLeadingNumber("-" + justAbove).value, -kWholeNumberCap);
    // Beyond 64 bits, and far beyond: every digit is passed, none overflows.
    for (const size_t count : {19u, 20u, 21u, 400u}) {
        const std::string digits(count, '9');
        const LeadingNumber number = ReadLeadingNumber("-" + digits + "-1");
        EXPECT_EQ(number.value, -kWholeNumberCap) << count;
        EXPECT_EQ(number.length, count + 1) << count;
    }
}

TEST(WholeNumberOf, TakesOnlyTextsThatAreWholeNumbers) {
    EXPECT_EQ(WholeNumberOf("-2454481"), -2454481);
    EXPECT_EQ(WholeNumberOf("+0009"), 9);
    EXPECT_EQ(WholeNumberOf(std::string(30, '7')), kWholeNumberCap);
    for (const char* text : {"", "+", "-", "12a", "1 ", " 1", "1,000", "+-1", "0x10"}) {
        EXPECT_EQ(WholeNumberOf(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace tembrel
