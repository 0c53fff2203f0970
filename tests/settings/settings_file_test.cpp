// The settings file's text: the exact lines written, the reading rules, and the
// files that must give the defaults.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using test_support::TempFolder;

constexpr std::string_view kDefaultText =
    "0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n"
    "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n";

// A record unlike the defaults in every value.
UserSettings Everything() {
    UserSettings s;
    s.language = 1;
    s.dateOrder = 1;
    s.dateSeparator = '/';
    s.thousandsSeparator = 0;
    s.todayCalendar = 6;
    s.firstDateCalendar = 8;
    s.secondDateCalendar = 2;
    s.chkIncludeFirstDate = 1;
    s.chkIncludeWeekends = 0;
    s.chkVerbose = 0;
    s.chkHyphen = 0;
    s.chkSaveOutput = 1;
    s.monthFirstDayOfWeek = "Mon";
    s.monthCalendar = "JC";
    s.firstDate = "15/03/2008";
    s.dateDiff = "-1,000";
    s.secondDate = "2,454,000";
    s.output =
        "2008-01-15 CE = 2008-W03-2 ISO, Dienstag\r\n"
        "15/03/2008 CE plus 10 Tage = 25/03/2008 CE, Dienstag\r\n";
    s.differenceUnit = 1;
    return s;
}

// Replaces line `number` (from 1, at most 11: no text before it spans lines) of
// a text written by SettingsFileText.
std::string WithLine(std::string text, int number, std::string_view line) {
    size_t start = 0;
    for (int i = 1; i < number; ++i) {
        start = text.find("\r\n", start) + 2;
    }
    const size_t end = text.find("\r\n", start);
    return text.replace(start, end - start, line);
}

// Replaces the last line (line 15) of a text written by SettingsFileText.
std::string WithLastLine(std::string text, std::string_view line) {
    const size_t start = text.rfind("\r\n", text.size() - 3) + 2;
    return text.replace(start, text.size() - 2 - start, line);
}

TEST(SettingsFileText, DefaultsGiveTheFifteenDefaultLines) {
    EXPECT_EQ(SettingsFileText(DefaultUserSettings()), kDefaultText);
}

TEST(SettingsFileText, WritesEveryValueInItsLine) {
    EXPECT_EQ(SettingsFileText(Everything()),
              "1\r\n1,47,0\r\n6,8,2\r\n1\r\n0\r\n0\r\n0\r\n1\r\n\"Mon\"\r\n\"JC\"\r\n"
              "\"15/03/2008\"\r\n\"-1,000\"\r\n\"2,454,000\"\r\n"
              "\"2008-01-15 CE = 2008-W03-2 ISO, Dienstag\r\n"
              "15/03/2008 CE plus 10 Tage = 25/03/2008 CE, Dienstag\r\n\"\r\n1\r\n");
}

TEST(SettingsFileText, MonthDisplayTextsAreWrittenAsTheReaderUnderstandsThem) {
    UserSettings s;
    s.monthFirstDayOfWeek = "mon";  // selects Sunday when read
    s.monthCalendar = "jc";         // selects Common Era
    const SettingsReadResult back = ParseSettingsText(SettingsFileText(s));
    EXPECT_EQ(back.settings.monthFirstDayOfWeek, "Sun");
    EXPECT_EQ(back.settings.monthCalendar, "CE");
}

TEST(SettingsRoundTrip, EveryValueComesBack) {
    const SettingsReadResult back = ParseSettingsText(SettingsFileText(Everything()));
    EXPECT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings, Everything());
}

TEST(SettingsRoundTrip, NumbersOutsideTheirSetsAreKeptAsRead) {
    UserSettings s;
    s.language = 5;
    s.dateOrder = -7;
    s.dateSeparator = 2147483647;
    s.thousandsSeparator = -2147483647 - 1;
    s.todayCalendar = 99;
    s.chkVerbose = 2;
    s.differenceUnit = 3;
    const SettingsReadResult back = ParseSettingsText(SettingsFileText(s));
    EXPECT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings, s);
}

TEST(SettingsRoundTrip, ADoubleQuoteIsStoredAsASingleQuoteAndNulIsDropped) {
    UserSettings s;
    s.firstDate = "say \"hi\"";
    s.output = std::string("a\0b\"\r\nc\r\n", 9);
    const SettingsReadResult back = ParseSettingsText(SettingsFileText(s));
    ASSERT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings.firstDate, "say 'hi'");
    EXPECT_EQ(back.settings.output, "ab'\r\nc\r\n");
}

TEST(SettingsRoundTrip, TextsKeepSpacesLineEndsAndNonAsciiCharacters) {
    UserSettings s;
    s.firstDate = "  2008-01-15 ";
    s.output = "\r\n\r\nÄÖÜ äöü ß — 2008\r\nlast line without end";
    const SettingsReadResult back = ParseSettingsText(SettingsFileText(s));
    ASSERT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings.firstDate, s.firstDate);
    EXPECT_EQ(back.settings.output, s.output);
}

TEST(SettingsRoundTrip, AnOversizedOutputKeepsItsNewestWholeLines) {
    UserSettings s;
    const std::string line = std::string(98, 'x') + "\r\n";  // 100 bytes
    const size_t lines = kMaxSettingsFileBytes / line.size() + 50;
    for (size_t i = 0; i < lines; ++i) {
        s.output += line;
    }
    s.output += "newest\r\n";
    const std::string text = SettingsFileText(s);
    EXPECT_LE(text.size(), kMaxSettingsFileBytes);
    EXPECT_GT(text.size(), kMaxSettingsFileBytes - 2 * line.size());
    const SettingsReadResult back = ParseSettingsText(text);
    ASSERT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_TRUE(back.settings.output.ends_with(line + "newest\r\n"));
    EXPECT_EQ(back.settings.output.size() % line.size(), 8u);  // whole lines only
}

TEST(SettingsRoundTrip, OversizedFieldsAreWrittenEmpty) {
    UserSettings s;
    s.firstDate = std::string(kMaxSettingsFileBytes, '1');
    s.output = "kept?\r\n";
    const SettingsReadResult back = ParseSettingsText(SettingsFileText(s));
    ASSERT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings.firstDate, "");
    EXPECT_EQ(back.settings.output, "");
    EXPECT_EQ(back.settings.chkHyphen, 1);
}

TEST(SettingsReading, AFourteenLineFileKeepsEverythingAndSelectsDays) {
    std::string text = SettingsFileText(Everything());
    text.erase(text.size() - 3);  // "1\r\n"
    const SettingsReadResult back = ParseSettingsText(text);
    EXPECT_EQ(back.status, SettingsReadStatus::ReadWithoutUnit);
    UserSettings expected = Everything();
    expected.differenceUnit = 0;
    EXPECT_EQ(back.settings, expected);
}

TEST(SettingsReading, ALastLineThatIsNotANumberSelectsDays) {
    for (const std::string_view line : {"months", "1x", "", "1,1"}) {
        const SettingsReadResult back =
            ParseSettingsText(WithLastLine(SettingsFileText(Everything()), line));
        EXPECT_EQ(back.status, SettingsReadStatus::ReadWithoutUnit) << line;
        EXPECT_EQ(back.settings.differenceUnit, 0) << line;
        EXPECT_EQ(back.settings.language, 1) << line;
    }
}

TEST(SettingsReading, CheckLinesTakeTheNumberAtTheirStart) {
    const std::string base = SettingsFileText(DefaultUserSettings());
    struct Case {
        std::string_view line;
        int32_t value;
    };
    for (const Case c : {Case{"1abc", 1}, Case{"abc", 0}, Case{"", 0}, Case{"  -3 ", -3},
                         Case{"\"1\"", 1}, Case{"+1", 1}, Case{"0x1", 0}, Case{"07", 7}}) {
        const SettingsReadResult back = ParseSettingsText(WithLine(base, 6, c.line));
        EXPECT_EQ(back.status, SettingsReadStatus::Read) << c.line;
        EXPECT_EQ(back.settings.chkVerbose, c.value) << c.line;
    }
}

TEST(SettingsReading, MonthDisplayTextsAreReadAsTheyStand) {
    const std::string base = SettingsFileText(DefaultUserSettings());
    const SettingsReadResult back =
        ParseSettingsText(WithLine(WithLine(base, 9, "\"mon\""), 10, "JC"));
    EXPECT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings.monthFirstDayOfWeek, "mon");
    EXPECT_EQ(back.settings.monthCalendar, "JC");  // unquoted: the line itself
}

TEST(SettingsReading, ThousandsSeparatorNoneIsStoredAsZero) {
    UserSettings s;
    s.thousandsSeparator = 0;
    const std::string text = SettingsFileText(s);
    EXPECT_TRUE(text.starts_with("0\r\n2,45,0\r\n"));
    EXPECT_EQ(ParseSettingsText(text).settings.thousandsSeparator, 0);
}

TEST(SettingsReading, ToleratesLfLineEndsSpacesAByteOrderMarkAndExtraLines) {
    const std::string text =
        "\xEF\xBB\xBF"
        "1\n 0 , 46 ,46\n7,1 ,6\n1\n1\n1\n0\n0\n\"Mon\"  \n\"CE\"\n"
        "\"a\"ignored, too\n\"\"\n\"\"\n\"x\ny\"\n1\nextra line\n\"more\"\n";
    const SettingsReadResult back = ParseSettingsText(text);
    ASSERT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings.language, 1);
    EXPECT_EQ(back.settings.dateOrder, 0);
    EXPECT_EQ(back.settings.dateSeparator, 46);
    EXPECT_EQ(back.settings.todayCalendar, 7);
    EXPECT_EQ(back.settings.secondDateCalendar, 6);
    EXPECT_EQ(back.settings.chkHyphen, 0);
    EXPECT_EQ(back.settings.monthFirstDayOfWeek, "Mon");
    EXPECT_EQ(back.settings.firstDate, "a");
    EXPECT_EQ(back.settings.output, "x\ny");
    EXPECT_EQ(back.settings.differenceUnit, 1);
}

TEST(SettingsReading, DamagedFilesGiveTheDefaults) {
    const std::string good = SettingsFileText(Everything());
    struct Case {
        const char* what;
        std::string text;
    };
    std::string garbage(4096, '\0');
    std::mt19937 random(7);
    for (char& c : garbage) {
        c = static_cast<char>(random());
    }
    const Case cases[] = {
        {"empty", ""},
        {"binary garbage", garbage},
        {"line 1 not a number", WithLine(good, 1, "English")},
        {"line 1 empty", WithLine(good, 1, "")},
        {"line 1 two values", WithLine(good, 1, "1,0")},
        {"line 2 two values", WithLine(good, 2, "1,47")},
        {"line 2 four values", WithLine(good, 2, "1,47,0,0")},
        {"line 2 empty value", WithLine(good, 2, "1,,0")},
        {"line 3 trailing text", WithLine(good, 3, "6,8,2x")},
        {"line 1 beyond 32 bits", WithLine(good, 1, "2147483648")},
        {"line 3 below 32 bits", WithLine(good, 3, "-2147483649,0,0")},
        {"check beyond 32 bits", WithLine(good, 4, "99999999999")},
        {"ends after line 8", good.substr(0, good.find("\"Mon\""))},
        {"ends after line 13", good.substr(0, good.find("\"2008-01-15 CE"))},
        {"quote never closes", good.substr(0, good.rfind('"'))},
        {"NUL in a text", WithLine(good, 11, std::string("\"15\0\"", 5))},
        {"too large", good + std::string(kMaxSettingsFileBytes, ' ')},
    };
    for (const Case& c : cases) {
        const SettingsReadResult back = ParseSettingsText(c.text);
        EXPECT_EQ(back.status, SettingsReadStatus::Damaged) << c.what;
        EXPECT_EQ(back.settings, DefaultUserSettings()) << c.what;
    }
}

TEST(SettingsReading, TheSmallestAndLargestNumbersAreRead) {
    const SettingsReadResult back = ParseSettingsText(
        WithLine(SettingsFileText(DefaultUserSettings()), 2, "-2147483648,2147483647,+0"));
    ASSERT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings.dateOrder, -2147483647 - 1);
    EXPECT_EQ(back.settings.dateSeparator, 2147483647);
    EXPECT_EQ(back.settings.thousandsSeparator, 0);
}

TEST(SettingsFile, AMissingFileGivesTheDefaults) {
    TempFolder folder;
    for (const std::filesystem::path& path :
         {folder.path() / "vrn.usr", folder.path() / "missing" / "vrn.usr"}) {
        const SettingsReadResult back = ReadSettingsFile(path);
        EXPECT_EQ(back.status, SettingsReadStatus::Missing);
        EXPECT_EQ(back.settings, DefaultUserSettings());
    }
}

TEST(SettingsFile, AFolderOrAHugeFileGivesTheDefaults) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "vrn.usr");
    EXPECT_EQ(ReadSettingsFile(folder.path() / "vrn.usr").status, SettingsReadStatus::Damaged);
    const std::filesystem::path huge = folder.Write(
        "huge.usr", SettingsFileText(Everything()) + std::string(2 * kMaxSettingsFileBytes, '\n'));
    const SettingsReadResult back = ReadSettingsFile(huge);
    EXPECT_EQ(back.status, SettingsReadStatus::Damaged);
    EXPECT_EQ(back.settings, DefaultUserSettings());
}

TEST(SettingsFile, WritesAndReadsBackTheExactBytes) {
    TempFolder folder;
    const std::filesystem::path path = folder.path() / "vrn.usr";
    ASSERT_TRUE(WriteSettingsFile(path, DefaultUserSettings()));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes, kDefaultText);
    ASSERT_TRUE(WriteSettingsFile(path, Everything()));
    const SettingsReadResult back = ReadSettingsFile(path);
    EXPECT_EQ(back.status, SettingsReadStatus::Read);
    EXPECT_EQ(back.settings, Everything());
}

}  // namespace
}  // namespace tembrel
