// The user's choice of working days built into a work calendar: the region
// list's text, the regions found in any case and each kept once, the sources
// that the notes name, and every way a choice can fail.
#include "holidays/working_days.h"

#include <gtest/gtest.h>

#include "holidays/civil_days.h"
#include "tests/support/sample_day_files.h"
#include "tests/support/temp_folder.h"

namespace tembrel::holidays {
namespace {

using test_support::TempFolder;

TEST(RegionList, ReadsCodesSeparatedByCommasAndWritesThemBack) {
    EXPECT_EQ(ParseRegionList("DE-BY"), std::vector<std::string>{"DE-BY"});
    EXPECT_EQ(ParseRegionList(" de-by ,\tAT"), (std::vector<std::string>{"de-by", "AT"}));
    for (const std::string_view text : {"", " ", "DE,", ",DE", "DE,,AT"}) {
        EXPECT_FALSE(ParseRegionList(text).has_value()) << text;
    }
    EXPECT_EQ(FormatRegionList({"DE-BY", "AT"}), "DE-BY,AT");
    EXPECT_EQ(ParseRegionList(FormatRegionList({"GB", "US", "CA"})),
              (std::vector<std::string>{"GB", "US", "CA"}));
}

TEST(BuildWorkingDays, FindsRegionsInAnyCaseOnceAndNamesEverySource) {
    const TempFolder folder;
    const std::string company = folder.Write("company.txt", "2024-12-23 stocktaking\n").string();
    const std::string saturdays = folder.Write("saturdays.txt", "2024-12-28\n").string();
    WorkingDaysChoice choice;
    choice.regions = {"de-by", "AT", "DE-BY"};
    choice.holidayFiles = {company};
    choice.workdayFiles = {saturdays};
    SetupError error;
    const auto built = BuildWorkingDays(choice, TEMBREL_HOLIDAY_DATA_FILE, error);
    ASSERT_NE(built, nullptr) << DescribeSetupError(error, NameLanguage::English);
    EXPECT_EQ(built->holidaySources, (std::vector<std::string>{"DE-BY", "AT", "company.txt"}));
    EXPECT_EQ(built->workdaySources, std::vector<std::string>{"saturdays.txt"});
    EXPECT_FALSE(built->IsDefault());
    const WorkCalendar& calendar = *built->calendar;
    EXPECT_FALSE(calendar.IsWorkingDay(GregorianDay(2024, 12, 23)));  // the company's day
    EXPECT_FALSE(calendar.IsWorkingDay(GregorianDay(2024, 12, 8)));   // Austria's, a Sunday
    EXPECT_FALSE(calendar.IsWorkingDay(GregorianDay(2024, 8, 15)));   // Bavaria's
    EXPECT_TRUE(calendar.IsWorkingDay(GregorianDay(2024, 12, 28)));   // a Saturday worked
    // Bavaria's holidays are counted once, though it was asked for twice.
    EXPECT_EQ(calendar.regions().size(), 2u);
}

TEST(BuildWorkingDays, YearlyDaysOfAnICalendarFileHoldEveryYear) {
    const TempFolder folder;
    const std::string ics =
        folder.Write("founders.ics", test_support::kYearlyFoundersDayIcs).string();
    WorkingDaysChoice choice;
    choice.holidayFiles = {ics};
    SetupError error;
    const auto built = BuildWorkingDays(choice, "/no/rule/file/needed", error);
    ASSERT_NE(built, nullptr) << DescribeSetupError(error, NameLanguage::English);
    EXPECT_EQ(built->holidaySources, std::vector<std::string>{"founders.ics"});
    for (const int year : {2020, 2031, 2400}) {
        const int64_t day = GregorianDay(year, 1, 2);
        EXPECT_FALSE(built->calendar->IsWorkingDay(day)) << year;
        const std::vector<NamedHoliday> named = built->calendar->HolidaysBetween(day, day);
        ASSERT_EQ(named.size(), 1u) << year;
        EXPECT_EQ(named[0].name.english, "Founders' Day");
    }
    EXPECT_TRUE(built->calendar->HolidaysBetween(GregorianDay(2019, 1, 2), GregorianDay(2019, 1, 2))
                    .empty())
        << "not before the first year";
}

TEST(BuildWorkingDays, TheDefaultsAreSaturdayAndSundayAlone) {
    EXPECT_TRUE(DefaultWorkingDays().IsDefault());
    EXPECT_TRUE(DefaultWorkingDays().calendar->HasOnlyWeekend());
    SetupError error;
    const auto built = BuildWorkingDays(WorkingDaysChoice{}, "/no/rule/file", error);
    ASSERT_NE(built, nullptr) << "the rule file is read only for regions";
    EXPECT_TRUE(built->IsDefault());
    WorkingDaysChoice noWeekend;
    noWeekend.weekend = Weekend::FromMask(0);
    EXPECT_FALSE(BuildWorkingDays(noWeekend, "/no/rule/file", error)->IsDefault());
}

TEST(BuildWorkingDays, SaysWhichRegionOrFileCannotBeUsed) {
    const TempFolder folder;
    const std::string bad = folder.Write("bad.txt", "2024-12-24\n24.12.2024\n").string();
    const std::string missing = (folder.path() / "missing.txt").string();
    struct Case {
        const char* name;
        WorkingDaysChoice choice;
        std::string ruleFile;
        SetupProblem problem;
        std::string english;
    };
    const Case cases[] = {
        {"unknown region",
         {Weekend(), {"DE", "DE-XX"}, {bad}, {}},
         TEMBREL_HOLIDAY_DATA_FILE,
         SetupProblem::UnknownRegion,
         "there is no region \"DE-XX\" (the regions are DE, DE-BW, DE-BY, DE-BE, DE-BB, DE-HB, "
         "DE-HH, DE-HE, DE-MV, DE-NI, DE-NW, DE-RP, DE-SL, DE-SN, DE-ST, DE-SH, DE-TH, AT, CH, "
         "FR, IT, ES, NL, BE, IE, GB, GB-SCT, GB-NIR, US, CA)"},
        {"no rule file",
         {Weekend(), {"DE"}, {}, {}},
         missing,
         SetupProblem::RuleFile,
         "missing.txt cannot be opened"},
        {"a holiday file's line",
         {Weekend(), {}, {bad}, {}},
         "",
         SetupProblem::HolidayFile,
         bad + ", line 2: not a date yyyy-mm-dd in the years 1..9999: \"24.12.2024\""},
        {"a working day file",
         {Weekend(), {}, {}, {missing}},
         "",
         SetupProblem::WorkdayFile,
         missing + " cannot be opened"},
    };
    for (const Case& test : cases) {
        SetupError error;
        EXPECT_EQ(BuildWorkingDays(test.choice, test.ruleFile, error), nullptr) << test.name;
        EXPECT_EQ(error.problem, test.problem) << test.name;
        EXPECT_EQ(DescribeSetupError(error, NameLanguage::English), test.english) << test.name;
    }
    SetupError error;
    BuildWorkingDays({Weekend(), {"ZZ"}, {}, {}}, TEMBREL_HOLIDAY_DATA_FILE, error);
    EXPECT_TRUE(DescribeSetupError(error, NameLanguage::German)
                    .starts_with("es gibt keine Region \"ZZ\" (die Regionen sind DE, "));
}

}  // namespace
}  // namespace tembrel::holidays
