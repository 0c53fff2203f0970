#include "core/text_appender.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace tembrel {
namespace {

// A number as AddNumber writes it, built another way: the sign, the zeros in
// front, the digits of the magnitude.
std::string Expected(int64_t value, int minDigits) {
    const uint64_t magnitude =
        value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const std::string digits = std::to_string(magnitude);
    const size_t zeros =
        minDigits > static_cast<int>(digits.size()) ? minDigits - digits.size() : 0;
    return (value < 0 ? "-" : "") + std::string(zeros, '0') + digits;
}

TEST(TextAppender, WritesEveryNumberWithItsZerosInFront) {
    const int64_t values[] = {0,
                              5,
                              -45,
                              9999,
                              10000,
                              -9999,
                              2454481,
                              -2100000000,
                              std::numeric_limits<int32_t>::max(),
                              int64_t{std::numeric_limits<uint32_t>::max()} + 1,
                              std::numeric_limits<int64_t>::max(),
                              std::numeric_limits<int64_t>::min()};
    // Widths on both sides of the fast path's four digits and of the buffer.
    for (const int minDigits : {-1, 0, 1, 2, 3, 4, 5, 11, 20, 255, 256, 300}) {
        for (const int64_t value : values) {
            std::string text = "x";
            {
                TextAppender out(text);
                out.AddNumber(value, minDigits);
            }
            EXPECT_EQ(text, "x" + Expected(value, minDigits)) << value << " " << minDigits;
        }
    }
}

TEST(TextAppender, KeepsTheOrderOfPiecesAcrossManyFlushes) {
    std::mt19937_64 random(256);
    std::uniform_int_distribution<int64_t> anyValue(std::numeric_limits<int64_t>::min(),
                                                    std::numeric_limits<int64_t>::max());
    std::uniform_int_distribution<int> anyWidth(0, 40);
    std::string text;
    std::string expected;
    {
        TextAppender out(text);
        for (int i = 0; i < 5000; ++i) {
            // Mostly the small numbers of dates, now and then any 64-bit value.
            const int64_t value = i % 4 == 0 ? anyValue(random) : anyValue(random) % 10000;
            const int minDigits = i % 3 == 0 ? anyWidth(random) : 2;
            out.AddNumber(value, minDigits);
            out.Add(i % 2 == 0 ? std::string_view("-") : std::string_view(" and a longer piece "));
            expected += Expected(value, minDigits);
            expected += i % 2 == 0 ? "-" : " and a longer piece ";
        }
        EXPECT_EQ(out.Size(), expected.size());
    }
    EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace tembrel
