#include "libs/zidiva6/text_file_format.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tembrel::zidiva6 {
namespace {

using namespace std::string_view_literals;

constexpr int32_t kEn = 0;
constexpr int32_t kDe = 1;

struct Parsed {
    LoadOutcome outcome;
    TextMap texts;
};

Parsed Parse(std::string_view bytes) {
    Parsed parsed;
    parsed.outcome = ParseTextFile(bytes, parsed.texts);
    return parsed;
}

std::string TextOf(const Parsed& parsed, int32_t number, int32_t language) {
    const auto found = parsed.texts.find(TextKey(number, language));
    return found == parsed.texts.end() ? std::string("<none>") : found->second;
}

LoadOutcome Line(LoadStatus status, int32_t line) {
    return {status, line};
}

TEST(TextFileFormat, ReadsEntriesCommentsAndBlankLines) {
    const Parsed parsed = Parse(
        "# comment\n"
        "\n"
        "1.en = Tembrel\n"
        "   # indented comment\n"
        "18.de = Möchten Sie alles zurückstellen?\n"
        "18.en=No blanks around the sign\n"
        "\t310.xx\t=\ttabs  \n");
    EXPECT_EQ(parsed.outcome, (LoadOutcome{LoadStatus::Loaded, 4}));
    EXPECT_EQ(TextOf(parsed, 1, kEn), "Tembrel");
    EXPECT_EQ(TextOf(parsed, 18, kDe), "Möchten Sie alles zurückstellen?");
    EXPECT_EQ(TextOf(parsed, 18, kEn), "No blanks around the sign");
    EXPECT_EQ(TextOf(parsed, 310, 5), "tabs");
    EXPECT_EQ(TextOf(parsed, 1, kDe), "<none>");
}

TEST(TextFileFormat, MapsEveryLanguageTagToItsSlot) {
    const Parsed parsed = Parse("7.en = 0\n7.de = 1\n7.fr = 2\n7.pt = 3\n7.es = 4\n7.xx = 5\n");
    ASSERT_EQ(parsed.outcome.status, LoadStatus::Loaded);
    for (int32_t slot = 0; slot < kLanguageCount; ++slot) {
        EXPECT_EQ(TextOf(parsed, 7, slot), std::to_string(slot));
    }
}

TEST(TextFileFormat, ReplacesEscapesAndKeepsOtherCharacters) {
    const Parsed parsed = Parse(
        "1.en = first\\nsecond\n"
        "2.en = C:\\\\folder\\\\\n"
        "3.en = a # is no comment here = and neither is this\n"
        "4.en = \\\\n stays a backslash and an n\n");
    ASSERT_EQ(parsed.outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(TextOf(parsed, 1, kEn), "first\r\nsecond");
    EXPECT_EQ(TextOf(parsed, 2, kEn), "C:\\folder\\");
    EXPECT_EQ(TextOf(parsed, 3, kEn), "a # is no comment here = and neither is this");
    EXPECT_EQ(TextOf(parsed, 4, kEn), "\\n stays a backslash and an n");
}

TEST(TextFileFormat, AcceptsWindowsLineEndsAByteOrderMarkAndNoFinalLineFeed) {
    const Parsed parsed = Parse("\xEF\xBB\xBF# from a Windows editor\r\n1.en = one\r\n2.en = two");
    EXPECT_EQ(parsed.outcome, (LoadOutcome{LoadStatus::Loaded, 2}));
    EXPECT_EQ(TextOf(parsed, 1, kEn), "one");
    EXPECT_EQ(TextOf(parsed, 2, kEn), "two");
}

TEST(TextFileFormat, TellsAnEmptyFileFromAFileWithoutTexts) {
    EXPECT_EQ(Parse("").outcome.status, LoadStatus::Empty);
    EXPECT_EQ(Parse("\xEF\xBB\xBF").outcome.status, LoadStatus::Empty);
    EXPECT_EQ(Parse("\n").outcome.status, LoadStatus::NoText);
    EXPECT_EQ(Parse("# only a comment\n\n   \n").outcome.status, LoadStatus::NoText);
}

TEST(TextFileFormat, AcceptsNumbersFromOneTo32767) {
    EXPECT_EQ(Parse("1.en = x").outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(Parse("32767.en = x").outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(Parse("007.en = x").outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(Parse("0.en = x").outcome, Line(LoadStatus::MalformedLine, 1));
    EXPECT_EQ(Parse("32768.en = x").outcome, Line(LoadStatus::MalformedLine, 1));
    EXPECT_EQ(Parse("99999999999999999999.en = x").outcome, Line(LoadStatus::MalformedLine, 1));
    EXPECT_EQ(Parse("-1.en = x").outcome, Line(LoadStatus::MalformedLine, 1));
}

TEST(TextFileFormat, RefusesLinesThatAreNoEntry) {
    for (const std::string_view line : {
             "hello",              // no number
             "12 = text",          // no language
             "12.EN = text",       // tags are lower case
             "12.nl = text",       // unknown language
             "12.en2 = text",      // something between tag and "="
             "12 .en = text",      // blank inside the key
             "12.en text",         // no "="
             "12.en = a\\tb",      // unknown escape
             "12.en = ends in\\",  // escape cut off
         }) {
        EXPECT_EQ(Parse("# first\n" + std::string(line)).outcome,
                  Line(LoadStatus::MalformedLine, 2))
            << line;
    }
}

TEST(TextFileFormat, ReportsANumberWithoutText) {
    EXPECT_EQ(Parse("1.en = x\n2.en =\n").outcome, Line(LoadStatus::MissingString, 2));
    EXPECT_EQ(Parse("1.en = x\n2.en =   \t\n").outcome, Line(LoadStatus::MissingString, 2));
    EXPECT_EQ(Parse("1.en = x\n\n2.en\n").outcome, Line(LoadStatus::MissingString, 3));
}

TEST(TextFileFormat, LimitsATextToWhatTheBufferHolds) {
    const std::string fits(kMaxTextBytes, 'x');
    const Parsed ok = Parse("1.en = " + fits + "\n");
    ASSERT_EQ(ok.outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(TextOf(ok, 1, kEn).size(), static_cast<size_t>(kMaxTextBytes));

    EXPECT_EQ(Parse("# long\n1.en = " + fits + "x\n").outcome, Line(LoadStatus::StringTooLong, 2));
}

TEST(TextFileFormat, CountsTheLengthAfterEscapesInBytes) {
    // 341 line breaks are 682 bytes, plus 341 bytes of "x": 1023 bytes.
    std::string raw;
    for (int i = 0; i < 341; ++i) {
        raw += "x\\n";
    }
    EXPECT_EQ(Parse("1.en = " + raw).outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(Parse("1.en = " + raw + "y").outcome, Line(LoadStatus::StringTooLong, 1));

    // "ä" is two bytes: 511 of them fit, 512 do not.
    std::string umlauts;
    for (int i = 0; i < 511; ++i) {
        umlauts += "ä";
    }
    EXPECT_EQ(Parse("1.de = " + umlauts).outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(Parse("1.de = " + umlauts + "ä").outcome, Line(LoadStatus::StringTooLong, 1));
}

TEST(TextFileFormat, ReportsTheLineOfARepeatedNumberAndLanguage) {
    EXPECT_EQ(Parse("5.en = a\n5.de = b\n# c\n5.en = again\n").outcome,
              Line(LoadStatus::Duplicate, 4));
    // The same number in another language is no repetition.
    EXPECT_EQ(Parse("5.en = a\n5.de = a\n").outcome.status, LoadStatus::Loaded);
}

TEST(TextFileFormat, RefusesBytesThatAreNoUtf8TextWithTheirLine) {
    EXPECT_EQ(Parse("1.en = ok\n1.de = M\xE4rz\n").outcome, Line(LoadStatus::InvalidText, 2));
    // Even in a comment: the editor has saved the file in another encoding.
    EXPECT_EQ(Parse("# Gr\xF6\xDF"
                    "e\n1.en = ok\n")
                  .outcome,
              Line(LoadStatus::InvalidText, 1));
    EXPECT_EQ(Parse("1.en = a\0b"sv).outcome, Line(LoadStatus::InvalidText, 1));
    EXPECT_EQ(Parse("1.en = a\rb\n").outcome, Line(LoadStatus::InvalidText, 1));
    EXPECT_EQ(Parse("1.en = a\x1b[0m\n").outcome, Line(LoadStatus::InvalidText, 1));
}

TEST(TextFileFormat, ReportsTheFirstProblemInFileOrder) {
    EXPECT_EQ(Parse("1.en = a\n2.en =\n1.en = b\n").outcome, Line(LoadStatus::MissingString, 2));
    EXPECT_EQ(Parse("1.en = a\n1.en = b\n2.en =\n").outcome, Line(LoadStatus::Duplicate, 2));
}

TEST(TextFileFormat, RefusesAFileLargerThanTheLimitBeforeParsing) {
    std::string huge(static_cast<size_t>(kMaxFileBytes) + 1, '\n');
    EXPECT_EQ(Parse(huge).outcome.status, LoadStatus::TooMuchText);
    huge.pop_back();
    EXPECT_EQ(Parse(huge).outcome.status, LoadStatus::NoText);
}

}  // namespace
}  // namespace tembrel::zidiva6
