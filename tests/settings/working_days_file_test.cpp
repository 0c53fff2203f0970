// The working days file: the exact text written, every choice read back, the
// lenient reading rules and the texts that must give the defaults.
#include "settings/working_days_file.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using holidays::WorkingDaysChoice;
using test_support::TempFolder;

WorkingDaysChoice Everything() {
    WorkingDaysChoice choice;
    choice.weekend = holidays::Weekend::FromMask(0x30);  // Thursday and Friday
    choice.regions = {"DE-BY", "AT"};
    choice.holidayFiles = {"/home/me/Ferien 2024.ics", "/tmp/a=b.txt"};
    choice.workdayFiles = {"relative/saturdays.txt"};
    return choice;
}

TEST(WorkingDaysFile, WritesOneKeyPerLine) {
    EXPECT_EQ(WorkingDaysFileText(Everything()),
              "# Tembrel: the working days of the window\r\n"
              "weekend=thu,fri\r\n"
              "regions=DE-BY,AT\r\n"
              "holiday-file=/home/me/Ferien 2024.ics\r\n"
              "holiday-file=/tmp/a=b.txt\r\n"
              "workday-file=relative/saturdays.txt\r\n");
    EXPECT_EQ(WorkingDaysFileText({}),
              "# Tembrel: the working days of the window\r\nweekend=sat,sun\r\nregions=\r\n");
}

TEST(WorkingDaysFile, ReadsBackWhatItWrites) {
    WorkingDaysChoice noWeekend;
    noWeekend.weekend = holidays::Weekend::FromMask(0);
    for (const WorkingDaysChoice& choice : {WorkingDaysChoice{}, Everything(), noWeekend}) {
        EXPECT_EQ(ParseWorkingDaysText(WorkingDaysFileText(choice)), choice);
    }
    // A file name with a line end cannot be a line: it is left out, the rest kept.
    WorkingDaysChoice broken = Everything();
    broken.holidayFiles.insert(broken.holidayFiles.begin(), "two\nlines.txt");
    EXPECT_EQ(ParseWorkingDaysText(WorkingDaysFileText(broken)), Everything());
}

TEST(WorkingDaysFile, ReadsLeniently) {
    const std::optional<WorkingDaysChoice> read = ParseWorkingDaysText(
        "\xEF\xBB\xBF"
        "\n   \n# a comment\nholiday-file=a.txt\ncolour=blue\nregions= us , gb \n"
        "weekend=SUN");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->weekend, holidays::Weekend::FromMask(0x01));
    EXPECT_EQ(read->regions, (std::vector<std::string>{"us", "gb"}));
    EXPECT_EQ(read->holidayFiles, std::vector<std::string>{"a.txt"});
    EXPECT_TRUE(read->workdayFiles.empty());
    EXPECT_EQ(ParseWorkingDaysText(""), WorkingDaysChoice{});
}

TEST(WorkingDaysFile, DamagedTextsGiveNothing) {
    for (const std::string_view text :
         {std::string_view("weekend=sat,sun\nregions\n"), std::string_view("weekend=sa\n"),
          std::string_view("weekend=\n"), std::string_view("regions=DE,,AT\n"),
          std::string_view("holiday-file=\n"), std::string_view("weekend=sat\0\n", 13)}) {
        EXPECT_FALSE(ParseWorkingDaysText(text).has_value()) << text;
    }
    EXPECT_FALSE(ParseWorkingDaysText(std::string(kMaxWorkingDaysFileBytes + 1, '#')));
}

TEST(WorkingDaysFile, MissingDamagedAndWrittenFiles) {
    const TempFolder folder;
    const std::filesystem::path path = folder.path() / kWorkingDaysFileName;
    EXPECT_EQ(ReadWorkingDaysFile(path).status, SettingsReadStatus::Missing);
    ASSERT_TRUE(WriteWorkingDaysFile(path, Everything()));
    WorkingDaysReadResult read = ReadWorkingDaysFile(path);
    EXPECT_EQ(read.status, SettingsReadStatus::Read);
    EXPECT_EQ(read.choice, Everything());

    folder.Write(kWorkingDaysFileName, "weekend=sometimes\r\n");
    read = ReadWorkingDaysFile(path);
    EXPECT_EQ(read.status, SettingsReadStatus::Damaged);
    EXPECT_EQ(read.choice, WorkingDaysChoice{});
    EXPECT_EQ(ReadWorkingDaysFile(folder.path()).status, SettingsReadStatus::Damaged);
    EXPECT_FALSE(WriteWorkingDaysFile(folder.path() / "no folder" / "file", Everything()));
}

}  // namespace
}  // namespace tembrel
