// Digit grouping: group boundaries, signs, separators, texts that are no number,
// and the 20-character output buffer.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "libs/roroviri/roroviri.h"

namespace {

// A buffer larger than the function may use, so that writes past its
// 20 characters show up as changed guard bytes.
struct GuardedBuffer {
    static constexpr char kGuard = 0x5A;
    std::array<char, 64> bytes{};
    GuardedBuffer() { bytes.fill(kGuard); }
    bool GuardIntact() const {
        for (size_t i = kSeparateThousandsBufferSize; i < bytes.size(); ++i) {
            if (bytes[i] != kGuard) {
                return false;
            }
        }
        return true;
    }
};

std::string Grouped(const char* digits, char separator = ',') {
    GuardedBuffer buffer;
    separate_thousands(digits, separator, buffer.bytes.data());
    EXPECT_TRUE(buffer.GuardIntact()) << digits;
    return std::string(buffer.bytes.data());
}

TEST(SeparateThousands, GroupsDigitsInThreesFromTheRight) {
    EXPECT_EQ(Grouped("0"), "0");
    EXPECT_EQ(Grouped("12"), "12");
    EXPECT_EQ(Grouped("123"), "123");
    EXPECT_EQ(Grouped("1234"), "1,234");
    EXPECT_EQ(Grouped("123456"), "123,456");
    EXPECT_EQ(Grouped("1234567"), "1,234,567");
    EXPECT_EQ(Grouped("2147483647"), "2,147,483,647");
    EXPECT_EQ(Grouped("0001234"), "0,001,234");
}

TEST(SeparateThousands, KeepsTheSignOutOfTheGroups) {
    EXPECT_EQ(Grouped("-1"), "-1");
    EXPECT_EQ(Grouped("-123"), "-123");
    EXPECT_EQ(Grouped("-1234"), "-1,234");
    EXPECT_EQ(Grouped("-123456"), "-123,456");
    EXPECT_EQ(Grouped("-2147483648"), "-2,147,483,648");
}

TEST(SeparateThousands, UsesTheGivenSeparator) {
    EXPECT_EQ(Grouped("1234567", '.'), "1.234.567");
    EXPECT_EQ(Grouped("1234567", ' '), "1 234 567");
    // No separator character: nothing is inserted.
    EXPECT_EQ(Grouped("1234567", '\0'), "1234567");
}

TEST(SeparateThousands, CopiesTextsThatAreNoNumberUnchanged) {
    EXPECT_EQ(Grouped(""), "");
    EXPECT_EQ(Grouped("-"), "-");
    EXPECT_EQ(Grouped("12a4567"), "12a4567");
    EXPECT_EQ(Grouped("--1234"), "--1234");
    EXPECT_EQ(Grouped("1,234"), "1,234");
}

TEST(SeparateThousands, NeverWritesPastTwentyCharacters) {
    // 15 digits need four separators: 19 characters and the NUL fill the buffer.
    EXPECT_EQ(Grouped("123456789012345"), "123,456,789,012,345");
    // One character more and only the unchanged text fits.
    EXPECT_EQ(Grouped("1234567890123456"), "1234567890123456");
    EXPECT_EQ(Grouped("-123456789012345"), "-123456789012345");
    EXPECT_EQ(Grouped("1234567890123456789"), "1234567890123456789");
    // Not even the unchanged text fits: the empty text.
    EXPECT_EQ(Grouped("12345678901234567890"), "");
    const std::string veryLong(100000, '7');
    EXPECT_EQ(Grouped(veryLong.c_str()), "");
}

}  // namespace
