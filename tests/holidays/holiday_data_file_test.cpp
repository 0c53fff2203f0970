#include "holidays/holiday_data_file.h"

#include <gtest/gtest.h>

#include <string>

#include "holidays/civil_days.h"
#include "holidays/rule_dates.h"
#include "tests/support/temp_folder.h"

namespace tembrel::holidays {
namespace {

HolidayData ParseOrFail(const std::string& text) {
    FileError error;
    std::optional<HolidayData> data = ParseHolidayData(text, "test.dat", error);
    EXPECT_TRUE(data.has_value()) << DescribeFileError(error, NameLanguage::English);
    return data.value_or(HolidayData());
}

// Returns the dates (yyyy-mm-dd) that a region's rules give in a year.
std::vector<std::string> DatesIn(const HolidayData& data, const std::string& code, int64_t year) {
    std::vector<std::string> dates;
    const RegionEntry* region = data.FindRegion(code);
    if (region == nullptr) {
        ADD_FAILURE() << "no region " << code;
        return dates;
    }
    for (const DatedHoliday& holiday : RegionHolidaysInYear(data.ResolveRegion(*region), year)) {
        const YearDay date = GregorianDateOf(static_cast<int32_t>(holiday.jdn));
        char text[32];
        snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(date.year), date.month,
                 date.day);
        dates.emplace_back(text);
    }
    return dates;
}

TEST(HolidayDataFile, TheShippedFileHasEveryRegion) {
    FileError error;
    const std::optional<HolidayData> data = LoadHolidayData(TEMBREL_HOLIDAY_DATA_FILE, error);
    ASSERT_TRUE(data.has_value()) << DescribeFileError(error, NameLanguage::English);
    for (const char* code :
         {"DE",    "DE-BW", "DE-BY",  "DE-BE",  "DE-BB", "DE-HB", "DE-HH", "DE-HE",
          "DE-MV", "DE-NI", "DE-NW",  "DE-RP",  "DE-SL", "DE-SN", "DE-ST", "DE-SH",
          "DE-TH", "AT",    "CH",     "FR",     "IT",    "ES",    "NL",    "BE",
          "IE",    "GB",    "GB-SCT", "GB-NIR", "US",    "CA"}) {
        const RegionEntry* region = data->FindRegion(code);
        ASSERT_NE(region, nullptr) << code;
        EXPECT_FALSE(region->name.english.empty() || region->name.german.empty()) << code;
        const RegionRules rules = data->ResolveRegion(*region);
        EXPECT_GE(rules.rules.size(), 8U) << code;
        EXPECT_EQ(rules.rules.size(), rules.names.size()) << code;
    }
    EXPECT_NE(data->FindRegion("de-by"), nullptr) << "codes are read in any case";
    EXPECT_EQ(data->FindRegion("uk-common"), nullptr) << "a group is not a region";
}

// Each way of writing a day, in a year where its date is known.
TEST(HolidayDataFile, ReadsEveryKindOfDay) {
    const HolidayData data = ParseOrFail(
        "region XA = A | A\n"
        "12-25 = Fixed | Fest\n"
        "02-29 = Leap | Schalt\n"
        "2022-06-03 = One day | Ein Tag\n"
        "3rd mon of jan = Third Monday | Dritter Montag\n"
        "last mon of may = Last Monday | Letzter Montag\n"
        "wed before 11-23 = Wednesday before | Mittwoch davor\n"
        "mon after 05-24 = Monday after | Montag danach\n"
        "4th thu of nov +1 = Day after | Tag danach\n"
        "easter-2 = Good Friday | Karfreitag\n"
        "orthodox+1 = Orthodox Monday | Orthodoxer Montag\n"
        "10-03 1990..1991,2000.. = Years | Jahre\n");
    EXPECT_EQ(DatesIn(data, "XA", 2022),
              (std::vector<std::string>{"2022-01-17", "2022-04-15", "2022-04-25", "2022-05-30",
                                        "2022-05-30", "2022-06-03", "2022-10-03", "2022-11-16",
                                        "2022-11-25", "2022-12-25"}));
    EXPECT_EQ(DatesIn(data, "XA", 1992),
              (std::vector<std::string>{"1992-01-20", "1992-02-29", "1992-04-17", "1992-04-27",
                                        "1992-05-25", "1992-05-25", "1992-11-18", "1992-11-27",
                                        "1992-12-25"}));
}

TEST(HolidayDataFile, MovesAndObservedDays) {
    const HolidayData data = ParseOrFail(
        "region XB = B | B\n"
        "12-25 observed sat:next sun:next = Christmas | Weihnachten\n"
        "12-26 observed sat:next sun:next = Boxing Day | Stephanstag\n"
        "04-27 sun:-1 = Moves | Wandert\n"
        "01-01 observed sat:-1 sun:+1 = New Year | Neujahr\n");
    // 2021: Christmas on Saturday, Boxing Day on Sunday: Monday and Tuesday.
    // 2022: Christmas on Sunday, Boxing Day Monday: Christmas moves to Tuesday.
    // 2025: 27 April a Sunday moves to Saturday; 2022: New Year on Saturday is
    // observed on Friday 31 December 2021.
    EXPECT_EQ(DatesIn(data, "XB", 2021),
              (std::vector<std::string>{"2021-01-01", "2021-04-27", "2021-12-25", "2021-12-26",
                                        "2021-12-27", "2021-12-28", "2021-12-31"}));
    EXPECT_EQ(DatesIn(data, "XB", 2022),
              (std::vector<std::string>{"2022-01-01", "2022-04-27", "2022-12-25", "2022-12-26",
                                        "2022-12-27"}));
    EXPECT_EQ(DatesIn(data, "XB", 2025),
              (std::vector<std::string>{"2025-01-01", "2025-04-26", "2025-12-25", "2025-12-26"}));
}

TEST(HolidayDataFile, IncludesComeFirstAndOnce) {
    const HolidayData data = ParseOrFail(
        "group shared\n01-01 = One | Eins\n"
        "region XC = C | C\ninclude shared\n02-02 = Two | Zwei\n"
        "region XD = D | D\ninclude XC\ninclude shared\n03-03 = Three | Drei\n");
    const RegionRules rules = data.ResolveRegion(*data.FindRegion("XD"));
    ASSERT_EQ(rules.names.size(), 3U);
    EXPECT_EQ(rules.names[0].english, "One");
    EXPECT_EQ(rules.names[2].german, "Drei");
}

// The first problem of a file, with its line and the text in question.
TEST(HolidayDataFile, ReportsTheFirstProblemWithItsLine) {
    struct Case {
        std::string text;
        int32_t line;
        FileProblem problem;
        std::string detail;
    };
    const std::string region = "region XX = X | X\n";
    for (const Case& c : std::vector<Case>{
             {"", 0, FileProblem::NoRegion, ""},
             {"01-01 = A | B\n", 1, FileProblem::OutsideRegion, "01-01 = A | B"},
             {region + "\n12-32 = A | B\n", 3, FileProblem::BadDay, "12-32"},
             {region + "02-30 = A | B\n", 2, FileProblem::BadDay, "02-30"},
             {region + "easter+201 = A | B\n", 2, FileProblem::BadDay, "easter+201"},
             {region + "5th mon of may = A | B\n", 2, FileProblem::BadDay, "5th"},
             {region + "wed before = A | B\n", 2, FileProblem::BadDay, "wed"},
             {region + "01-01 +32 = A | B\n", 2, FileProblem::BadDay, "+32"},
             {region + "easter +1 = A | B\n", 2, FileProblem::BadDay, "+1"},
             {region + "01-01 1994..1990 = A | B\n", 2, FileProblem::BadYears, "1994..1990"},
             {region + "01-01 1990..1999,1995.. = A | B\n", 2, FileProblem::BadYears,
              "1990..1999,1995.."},
             {region + "01-01 10000 = A | B\n", 2, FileProblem::BadYears, "10000"},
             {region + "2020-01-01 2020 = A | B\n", 2, FileProblem::BadYears, "2020"},
             {region + "01-01 sat:-8 = A | B\n", 2, FileProblem::BadMove, "sat:-8"},
             {region + "01-01 sat:+1 sat:+2 = A | B\n", 2, FileProblem::BadMove, "sat:+2"},
             {region + "01-01 observed = A | B\n", 2, FileProblem::BadMove, "observed"},
             {region + "01-01 = A\n", 2, FileProblem::BadName, "A"},
             {region + "01-01 A | B\n", 2, FileProblem::BadName, "01-01 A | B"},
             {"region xx = X | X\n", 1, FileProblem::BadRegionCode, "xx"},
             {"region DE-BAYERN = X | X\n", 1, FileProblem::BadRegionCode, "DE-BAYERN"},
             {"group Shared\n", 1, FileProblem::BadRegionCode, "Shared"},
             {region + region, 2, FileProblem::DuplicateRegion, "XX"},
             {region + "include YY\n", 2, FileProblem::UnknownInclude, "YY"},
             {region + "include XX\n", 2, FileProblem::IncludeCycle, "XX"},
             {"region XA = A | A\ninclude XB\nregion XB = B | B\ninclude XA\n", 4,
              FileProblem::IncludeCycle, "XA"},
             {region + "01-01 = A | B\r\n\x01\n", 3, FileProblem::NotText, ""},
         }) {
        FileError error;
        EXPECT_FALSE(ParseHolidayData(c.text, "test.dat", error).has_value()) << c.text;
        EXPECT_EQ(error.file, "test.dat");
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_EQ(error.problem, c.problem) << c.text;
        EXPECT_EQ(error.detail, c.detail) << c.text;
    }
}

TEST(HolidayDataFile, FileProblemsAndTheirWords) {
    FileError error;
    test_support::TempFolder folder;
    EXPECT_FALSE(LoadHolidayData(folder.path() / "missing.dat", error).has_value());
    EXPECT_EQ(DescribeFileError(error, NameLanguage::English), "missing.dat cannot be opened");
    EXPECT_FALSE(LoadHolidayData(folder.path(), error).has_value()) << "a folder";
    EXPECT_EQ(error.problem, FileProblem::CannotOpen);
    const auto large = folder.Write("large.dat", std::string(kMaxHolidayDataBytes + 1, '#'));
    EXPECT_FALSE(LoadHolidayData(large, error).has_value());
    EXPECT_EQ(error.problem, FileProblem::TooLarge);
    const auto bad =
        folder.Write("bad.dat", "\xEF\xBB\xBFregion XX = X | X\n01-01 sun:x = A | B\n");
    EXPECT_FALSE(LoadHolidayData(bad, error).has_value());
    EXPECT_EQ(DescribeFileError(error, NameLanguage::English),
              "bad.dat, line 2: cannot read the move (for example sat:-1, sun:next): \"sun:x\"");
    EXPECT_EQ(DescribeFileError(error, NameLanguage::German),
              "bad.dat, Zeile 2: Verschiebung nicht lesbar (zum Beispiel sat:-1, sun:next): "
              "„sun:x“");
}

}  // namespace
}  // namespace tembrel::holidays
