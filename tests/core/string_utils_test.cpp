#include "core/string_utils.h"

#include <gtest/gtest.h>

namespace tembrel {
namespace {

TEST(RemoveChars, RemovesFromTheStartPositionOn) {
    EXPECT_EQ(RemoveChars("-2008-W01-1", "-", 1), "2008W011");
    EXPECT_EQ(RemoveChars("-2008-W01-1", "-", 2), "-2008W011");
    EXPECT_EQ(RemoveChars("a--b--", "-", 0), "ab");
    EXPECT_EQ(RemoveChars("abc", "-", 10), "abc");
    EXPECT_EQ(RemoveChars("", "-", 1), "");
    EXPECT_EQ(RemoveSpaces(" 2008 - 01 "), "2008-01");
}

TEST(CountChar, CountsExactMatches) {
    EXPECT_EQ(CountChar("2008-W01-1", '-'), 2);
    EXPECT_EQ(CountChar("2008w01", 'W'), 0);
    EXPECT_EQ(CountChar("", '-'), 0);
}

TEST(IsNumberText, HonoursSignAndCommaOptions) {
    EXPECT_TRUE(IsNumberText(" -1,234 ", true, true));
    EXPECT_FALSE(IsNumberText(" -1,234 ", true, false));
    EXPECT_FALSE(IsNumberText("-1234", false, false));
    EXPECT_TRUE(IsNumberText("+12", true, false));
    EXPECT_TRUE(IsNumberText("-", true, false)) << "a lone sign passes";
    EXPECT_FALSE(IsNumberText("", true, true));
    EXPECT_FALSE(IsNumberText("   ", true, true));
    EXPECT_FALSE(IsNumberText("--1", true, true));
    EXPECT_FALSE(IsNumberText("1 2", true, true));
    EXPECT_FALSE(IsNumberText("1.5", true, true));
}

TEST(KeepDigitsAndSign, KeepsOnlyLeadingSigns) {
    std::string text = "+-12-3a";
    KeepDigitsAndSign(text, true);
    EXPECT_EQ(text, "+-123");
    text = "+-12-3a";
    KeepDigitsAndSign(text, false);
    EXPECT_EQ(text, "+123");
    text = "--1";
    KeepDigitsAndSign(text, true);
    EXPECT_EQ(text, "-1") << "only the first minus is kept";
    text = "2,454,000.5";
    KeepDigitsAndSign(text, true);
    EXPECT_EQ(text, "24540005");
}

TEST(KeepDateChars, KeepsDigitsMinusAndExtras) {
    std::string text = "2008/03/15 CE";
    KeepDateChars(text, "/");
    EXPECT_EQ(text, "2008/03/15");
    text = "15.03.(-45)";
    KeepDateChars(text, ".");
    EXPECT_EQ(text, "15.03.-45");
}

TEST(CutAtNulAndTrimTrailingControl, StopAtTheRightCharacter) {
    std::string text("ab\0cd", 5);
    CutAtNul(text);
    EXPECT_EQ(text, "ab");
    text = "abc";
    CutAtNul(text);
    EXPECT_EQ(text, "abc");
    text = "Sunday \r\n\t ";
    TrimTrailingControl(text);
    EXPECT_EQ(text, "Sunday");
    text = " \r\n";
    TrimTrailingControl(text);
    EXPECT_EQ(text, "");
}

TEST(FileExtensionOf, TakesTheLastComponentOnly) {
    EXPECT_EQ(FileExtensionOf(R"(C:\Docs.old\Manual.HTM)", true), "htm");
    EXPECT_EQ(FileExtensionOf(R"(C:\Docs.old\Manual.HTM)", false), "HTM");
    EXPECT_EQ(FileExtensionOf(R"(C:\Docs.old\Manual)", true), "");
    EXPECT_EQ(FileExtensionOf("/usr/share/doc.d/manual.en.html", true), "html");
    EXPECT_EQ(FileExtensionOf("https://example.org", true), "org");
    EXPECT_EQ(FileExtensionOf("", true), "");
}

TEST(TrimSpacesAndLowerCase, HandleTextEdges) {
    EXPECT_EQ(TrimSpaces("  2008-01-15 "), "2008-01-15");
    EXPECT_EQ(TrimSpaces("    "), "");
    EXPECT_EQ(TrimSpaces("a\r\n"), "a\r\n") << "only spaces are trimmed";
    EXPECT_EQ(LowerCase("Keine"), "keine");
    EXPECT_EQ(LowerCase("ÄÖÜ Straße"), "äöü straße");
    EXPECT_EQ(LowerCase("Bis"), "bis");
    EXPECT_TRUE(IsDigitText("0123"));
    EXPECT_FALSE(IsDigitText(""));
    EXPECT_FALSE(IsDigitText("-1"));
}

}  // namespace
}  // namespace tembrel
