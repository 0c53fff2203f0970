// Translating carets between the form model's UTF-8 bytes with CR LF line ends
// and a text box's UTF-16 positions with one position per line break.
#include "ui/model/text_offsets.h"

#include <gtest/gtest.h>

namespace tembrel {
namespace {

TEST(TextOffsetsTest, CountsCharactersNotBytes) {
    EXPECT_EQ(CharacterCount(""), 0);
    EXPECT_EQ(CharacterCount("2008-01-15"), 10);
    EXPECT_EQ(CharacterCount("L\xC3\xB6schen"), 7);                // ö
    EXPECT_EQ(CharacterCount("\xE2\x82\xAC\xF0\x9F\x98\x80"), 2);  // euro sign, emoji
}

TEST(TextOffsetsTest, ShowsEachLineEndAsOneBreak) {
    EXPECT_EQ(DisplayText("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(DisplayText("a\rb\n"), "a\rb\n");
}

TEST(TextOffsetsTest, MapsPositionsAcrossLineEnds) {
    const std::string text = "ab\r\ncd\r\n";
    const int bytes[] = {0, 1, 2, 4, 5, 6, 8};
    const int shown[] = {0, 1, 2, 3, 4, 5, 6};
    for (size_t i = 0; i < std::size(bytes); ++i) {
        EXPECT_EQ(DisplayIndexOfByte(text, bytes[i]), shown[i]) << bytes[i];
        EXPECT_EQ(ByteOfDisplayIndex(text, shown[i]), bytes[i]) << shown[i];
    }
    // The caret before the final LF (after a finished report) stands at the end
    // of the last line.
    EXPECT_EQ(DisplayIndexOfByte(text, 7), 5);
}

TEST(TextOffsetsTest, MapsPositionsAcrossMultiByteCharacters) {
    const std::string text =
        "\xC3\xA4"
        "b\xF0\x9F\x98\x80"
        "c";  // ä b emoji c
    EXPECT_EQ(DisplayIndexOfByte(text, 2), 1);
    EXPECT_EQ(DisplayIndexOfByte(text, 3), 2);
    EXPECT_EQ(DisplayIndexOfByte(text, 7), 4);  // the emoji takes two positions
    EXPECT_EQ(DisplayIndexOfByte(text, 1), 0);  // inside ä: before it
    EXPECT_EQ(ByteOfDisplayIndex(text, 4), 7);
    EXPECT_EQ(ByteOfDisplayIndex(text, 3), 3);  // inside the emoji: before it
}

TEST(TextOffsetsTest, ClampsPositionsOutsideTheText) {
    EXPECT_EQ(DisplayIndexOfByte("abc", -5), 0);
    EXPECT_EQ(DisplayIndexOfByte("abc", 99), 3);
    EXPECT_EQ(ByteOfDisplayIndex("abc", -1), 0);
    EXPECT_EQ(ByteOfDisplayIndex("abc", 99), 3);
    EXPECT_EQ(ByteOfDisplayIndex("", 2), 0);
}

}  // namespace
}  // namespace tembrel
