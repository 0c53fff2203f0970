#include "libs/zidiva6/utf8.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tembrel::zidiva6 {
namespace {

using namespace std::string_view_literals;

TEST(Utf8, AcceptsEveryEncodingLength) {
    EXPECT_TRUE(IsWellFormedUtf8(""));
    EXPECT_TRUE(IsWellFormedUtf8("plain ASCII"));
    EXPECT_TRUE(IsWellFormedUtf8("März Größe"));        // two-byte sequences
    EXPECT_TRUE(IsWellFormedUtf8("\xE2\x82\xAC"));      // U+20AC, three bytes
    EXPECT_TRUE(IsWellFormedUtf8("\xF0\x9D\x84\x9E"));  // U+1D11E, four bytes
    EXPECT_TRUE(IsWellFormedUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF, the last code point
    EXPECT_TRUE(IsWellFormedUtf8("\xED\x9F\xBF"));      // U+D7FF, just below the surrogates
    EXPECT_TRUE(IsWellFormedUtf8("a\0b"sv));            // NUL is well-formed
}

TEST(Utf8, RefusesMalformedSequences) {
    EXPECT_FALSE(IsWellFormedUtf8("\x80"));              // stray continuation byte
    EXPECT_FALSE(IsWellFormedUtf8("M\xE4rz"));           // Latin-1 text
    EXPECT_FALSE(IsWellFormedUtf8("\xC3"));              // truncated at the end
    EXPECT_FALSE(IsWellFormedUtf8("\xE2\x82"));          // truncated three-byte sequence
    EXPECT_FALSE(IsWellFormedUtf8("\xE2\x82x"));         // continuation missing
    EXPECT_FALSE(IsWellFormedUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(IsWellFormedUtf8("\xC1\xBF"));          // overlong, two bytes
    EXPECT_FALSE(IsWellFormedUtf8("\xE0\x80\xAF"));      // overlong, three bytes
    EXPECT_FALSE(IsWellFormedUtf8("\xF0\x80\x80\xAF"));  // overlong, four bytes
    EXPECT_FALSE(IsWellFormedUtf8("\xED\xA0\x80"));      // U+D800, a surrogate
    EXPECT_FALSE(IsWellFormedUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(IsWellFormedUtf8("\xF5\x80\x80\x80"));  // lead byte never used
    EXPECT_FALSE(IsWellFormedUtf8("\xFF"));
}

}  // namespace
}  // namespace tembrel::zidiva6
