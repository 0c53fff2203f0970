#include "core/whole_number.h"

#include <gtest/gtest.h>

#include "core/calendar_tables.h"

namespace tembrel {
namespace {

struct WholeNumberRow {
    const char* text;
    ParseStatus status;
    int32_t value;  // when Valid
};

TEST(ParseWholeNumber, ReadsSignsBlanksAndThreeDigitGroups) {
    const WholeNumberRow rows[] = {
        {"0", ParseStatus::Valid, 0},
        {"-0", ParseStatus::Valid, 0},
        {"  +17\t", ParseStatus::Valid, 17},
        {"2454481", ParseStatus::Valid, 2454481},
        {"-2,454,481", ParseStatus::Valid, -2454481},
        {"2.454.481", ParseStatus::Valid, 2454481},  // written with the dot, read with any option
        {"1,000", ParseStatus::Valid, 1000},
        {"007", ParseStatus::Valid, 7},
        {"2100000000", ParseStatus::Valid, kMaxJDN},
        {"-2,100,000,000", ParseStatus::Valid, kMinJDN},
        {"0000000000002100000000", ParseStatus::Valid, kMaxJDN},
        // Decimal commas, stray characters and broken groups are not whole numbers.
        {"2454000,5", ParseStatus::Invalid, 0},
        {"1-2", ParseStatus::Invalid, 0},
        {"1.5", ParseStatus::Invalid, 0},
        {"12,34", ParseStatus::Invalid, 0},
        {"1234,567", ParseStatus::Invalid, 0},
        {"1,234.567", ParseStatus::Invalid, 0},
        {",123", ParseStatus::Invalid, 0},
        {"123,", ParseStatus::Invalid, 0},
        {"1,,234", ParseStatus::Invalid, 0},
        {"1 000", ParseStatus::Invalid, 0},
        {"+-5", ParseStatus::Invalid, 0},
        {"- 5", ParseStatus::Invalid, 0},
        {"5-", ParseStatus::Invalid, 0},
        {"5 JDN", ParseStatus::Invalid, 0},
        {"+17 days", ParseStatus::Invalid, 0},
        {"", ParseStatus::Invalid, 0},
        {"  ", ParseStatus::Invalid, 0},
        {"-", ParseStatus::Invalid, 0},
        {"abc", ParseStatus::Invalid, 0},
        // The right shape, beyond the day-number range.
        {"2100000001", ParseStatus::OutOfRange, 0},
        {"-2,100,000,001", ParseStatus::OutOfRange, 0},
        {"2147483648", ParseStatus::OutOfRange, 0},
        {"99999999999999999999999", ParseStatus::OutOfRange, 0},
    };
    for (const WholeNumberRow& row : rows) {
        const Parsed<int32_t> parsed = ParseWholeNumber(row.text);
        EXPECT_EQ(parsed.status, row.status) << '"' << row.text << '"';
        if (row.status == ParseStatus::Valid) {
            EXPECT_EQ(parsed.value, row.value) << '"' << row.text << '"';
        }
    }
}

}  // namespace
}  // namespace tembrel
