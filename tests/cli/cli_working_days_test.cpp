// tembrel-cli with working days that know a weekend, regions and the user's
// files: the counts and their notes, the holidays and month subcommands, and
// the refusals of names, regions and files that cannot be used.
#include <gtest/gtest.h>

#include "tests/support/run_process.h"
#include "tests/support/sample_day_files.h"
#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using test_support::ProcessResult;
using test_support::RunProcess;
using test_support::TempFolder;

// Runs the program with a fixed today, after the subcommand when there is one.
ProcessResult Cli(std::vector<std::string> arguments, const std::string& input = {}) {
    if (arguments.front() != "holidays" && arguments.front() != "month") {
        arguments.insert(arguments.begin(), "--today=2008-03-15");
    }
    return RunProcess(TEMBREL_CLI, arguments, input);
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// From Friday 2024-12-20 to Friday 2025-01-10: 15 days from Monday to Friday,
// of which Bavaria keeps 25 and 26 December, 1 and 6 January.
TEST(CliWorkingDays, CountsAndStepsOnTheChosenWeekendAndHolidays) {
    struct Case {
        std::vector<std::string> arguments;
        std::string report;
    };
    const std::vector<std::string> between = {"-1", "2024-12-20", "-2", "2025-01-10",
                                              "--weekdays-only"};
    const std::vector<Case> cases = {
        {between,
         "2024-12-20 CE to 2025-01-10 CE = 15 days, excluding 1st date, not counting "
         "weekend days"},
        {Joined(between, {"--holidays", "DE-BY"}),
         "2024-12-20 CE to 2025-01-10 CE = 11 days, excluding 1st date, not counting weekend "
         "days and holidays (DE-BY)"},
        {Joined(between, {"--holidays", " de-by , DE-BY,AT", "--lang", "de"}),
         "2024-12-20 CE bis 2025-01-10 CE = 11 Tage, ausschliesslich 1. Datum, die "
         "Wochenendtage und Feiertage (DE-BY, AT) nicht gezählt"},
        // Sunday to Thursday worked: 15 days, less 25 and 26 December and 1 January.
        {Joined(between, {"--weekend", "fri,sat", "--holidays", "DE"}),
         "2024-12-20 CE to 2025-01-10 CE = 12 days, excluding 1st date, not counting weekend "
         "days (Friday, Saturday) and holidays (DE)"},
        {Joined(between, {"--weekend", "none", "--holidays", "DE"}),
         "2024-12-20 CE to 2025-01-10 CE = 18 days, excluding 1st date, not counting holidays "
         "(DE)"},
        {Joined(between, {"--weekend", "none"}),
         "2024-12-20 CE to 2025-01-10 CE = 21 days, excluding 1st date, not counting weekend "
         "days (none)"},
        // Without --weekdays-only every day counts, with its breakdown.
        {{"-1", "2024-12-20", "-2", "2025-01-10", "--holidays", "DE-BY", "--terse"},
         "2024-12-20 CE to 2025-01-10 CE = 21 days"},
        // Friday 2024-12-20 plus 5 working days in Bavaria: 23, 24, 27, 30, 31.
        {{"-1", "2024-12-20", "-d", "5", "--weekdays-only", "--holidays", "DE-BY"},
         "2024-12-20 CE plus 5 days = 2024-12-31 CE, Tuesday, excluding 1st date, not counting "
         "weekend days and holidays (DE-BY)"},
        // The first date from the second: Monday 2025-01-13 minus 5 working days
        // (10, 9, 8, 7, 3): Friday 3 January.
        {{"-2", "2025-01-13", "-d", "5", "--weekdays-only", "--holidays", "DE-BY", "--terse"},
         "2025-01-13 CE minus 5 days = 2025-01-03 CE, Friday"},
    };
    for (const Case& test : cases) {
        const ProcessResult result = Cli(test.arguments);
        EXPECT_EQ(result.exitCode, 0) << test.report << "\n" << result.err;
        EXPECT_EQ(result.out, test.report + "\n");
    }
}

TEST(CliWorkingDays, ReadsTheUsersHolidayAndWorkdayFiles) {
    const TempFolder folder;
    const std::string holidays =
        folder.Write("company.txt", "# closed\n2024-12-23 stocktaking\n2024-12-27\n").string();
    const std::string ics =
        folder.Write("founders.ics", test_support::kYearlyFoundersDayIcs).string();
    const std::string saturdays = folder.Write("saturdays.txt", "2024-12-28\n").string();
    const std::vector<std::string> between = {
        "-1", "2024-12-20", "-2", "2025-01-10", "--weekdays-only", "--holidays", "DE-BY"};
    ProcessResult result = Cli(Joined(between, {"--holidays-file", holidays, "--holidays-file", ics,
                                                "--workdays-file", saturdays}));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // 11, less 23 and 27 December and 2 January, plus Saturday 28 December.
    EXPECT_EQ(result.out,
              "2024-12-20 CE to 2025-01-10 CE = 9 days, excluding 1st date, not counting weekend "
              "days and holidays (DE-BY, company.txt, founders.ics), counting extra working days "
              "(saturdays.txt)\n");

    // A file alone marks the month; yearly recurrences come every year.
    result = Cli({"month", "2031", "1", "--holidays-file", ics});
    EXPECT_NE(result.out.find("   2* Founders' Day"), std::string::npos) << result.out;
}

TEST(CliWorkingDays, BatchLinesCountOnTheSameCalendar) {
    const ProcessResult result =
        Cli({"--batch", "-2", "2025-01-10", "--weekdays-only", "--holidays", "DE-BY", "--terse"},
            "2024-12-20\n2025-01-06\n\n2025-01-07\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "2024-12-20 CE to 2025-01-10 CE = 11 days\n"
              "2025-01-06 CE to 2025-01-10 CE = 4 days\n"
              "\n"
              "2025-01-07 CE to 2025-01-10 CE = 3 days\n");
}

TEST(CliWorkingDays, HolidaysSubcommandListsTheYearWithTabs) {
    ProcessResult result = Cli({"holidays", "gb", "2022"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "2022-01-01\tSaturday\tNew Year's Day\n"
              "2022-01-03\tMonday\tNew Year's Day (observed)\n"
              "2022-04-15\tFriday\tGood Friday\n"
              "2022-04-18\tMonday\tEaster Monday\n"
              "2022-05-02\tMonday\tEarly May Bank Holiday\n"
              "2022-06-02\tThursday\tSpring Bank Holiday\n"
              "2022-06-03\tFriday\tPlatinum Jubilee of Elizabeth II\n"
              "2022-08-29\tMonday\tSummer Bank Holiday\n"
              "2022-09-19\tMonday\tState Funeral of Queen Elizabeth II\n"
              "2022-12-25\tSunday\tChristmas Day\n"
              "2022-12-26\tMonday\tBoxing Day\n"
              "2022-12-27\tTuesday\tChristmas Day (observed)\n");
    // The law of the year: the Day of Prayer and Repentance nationwide until
    // 1994, in Saxony only afterwards.
    EXPECT_NE(Cli({"holidays", "DE-BY", "1994", "--lang", "de"}).out.find("Buß- und Bettag"),
              std::string::npos);
    EXPECT_EQ(Cli({"holidays", "DE-BY", "1995"}).out.find("Repentance"), std::string::npos);
    // A far year writes its own digits; years without a rule print nothing.
    EXPECT_NE(Cli({"holidays", "DE", "12345"}).out.find("12345-12-25\t"), std::string::npos);
    result = Cli({"holidays", "DE", "-5800001"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("outside the supported range"), std::string::npos) << result.err;
}

TEST(CliWorkingDays, MonthMarksTheHolidaysOfTheMonthOnly) {
    const ProcessResult result = Cli({"month", "2024", "12", "--holidays", "DE-BY"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              " Sun  Mon  Tue  Wed  Thu  Fri  Sat \n"
              "   1    2    3    4    5    6    7  \n"
              "   8    9   10   11   12   13   14  \n"
              "  15   16   17   18   19   20   21  \n"
              "  22   23   24   25*  26*  27   28  \n"
              "  29   30   31    1    2    3    4  \n"
              "\n"
              "  25* Christmas Day\n"
              "  26* St Stephen's Day\n");
    // A month without holidays keeps the plain grid.
    EXPECT_EQ(Cli({"month", "2024", "2", "--holidays", "DE-BY"}).out,
              Cli({"month", "2024", "2"}).out);
}

// Each refusal is a usage error that names what is wrong.
TEST(CliWorkingDays, RefusesWrongNamesRegionsAndFiles) {
    const TempFolder folder;
    const std::string badLine = folder.Write("bad.txt", "2024-12-24\n2024-02-30 no such day\n");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--weekend", "sat,sunday"}, "--weekend takes mon, tue, wed, thu, fri, sat and sun"},
        {{"--weekend", ""}, "--weekend takes"},
        {{"--holidays", "DE-BY,,AT"}, "--holidays takes region codes separated by commas"},
        {{"--holidays", "XX"}, "there is no region \"XX\" (the regions are DE, DE-BW,"},
        {{"--holidays-file", (folder.path() / "missing.txt").string()},
         "--holidays-file: " + (folder.path() / "missing.txt").string() + " cannot be opened"},
        {{"--holidays-file", badLine},
         "--holidays-file: " + badLine +
             ", line 2: not a date yyyy-mm-dd in the years 1..9999: \"2024-02-30\""},
        {{"--workdays-file", folder.path().string()}, "--workdays-file: "},
        {{"holidays", "DE"}, "holidays takes a REGION (such as DE-BY) and a YEAR"},
        {{"holidays", "DE", "twenty"}, "the year must be a whole number"},
        {{"holidays", "QQ", "2024"}, "there is no region \"QQ\""},
        {{"holidays", "DE", "2024", "--weekend", "sat"}, "unknown option for holidays: --weekend"},
        {{"month", "2024", "1", "--holidays", "QQ"}, "there is no region \"QQ\""},
    };
    for (const Case& test : cases) {
        std::vector<std::string> arguments = test.arguments;
        if (arguments.front() != "holidays" && arguments.front() != "month") {
            arguments.insert(arguments.end(), {"-1", "2024-01-01", "--weekdays-only"});
        }
        const ProcessResult result = Cli(arguments);
        EXPECT_EQ(result.exitCode, 2) << test.message;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("tembrel-cli: " + test.message), std::string::npos) << result.err;
    }
}

// The regions --help names are those of the rule file, which the refusal of an
// unknown region lists.
TEST(CliWorkingDays, HelpNamesEveryRegionOfTheRuleFile) {
    const std::string refusal = Cli({"-1", "2024-01-01", "--holidays", "XX"}).err;
    const std::string help = Cli({"--help"}).out;
    const size_t open = refusal.find("(the regions are ");
    ASSERT_NE(open, std::string::npos) << refusal;
    std::string list = refusal.substr(open + 17, refusal.find(')', open) - open - 17);
    list += ",";
    // A code stands as a word of its own: "DE" is not found in "DE-BY".
    const auto named = [&help](const std::string& code) {
        for (size_t at = help.find(code); at != std::string::npos; at = help.find(code, at + 1)) {
            const char before = at == 0 ? ' ' : help[at - 1];
            const char after = at + code.size() < help.size() ? help[at + code.size()] : ' ';
            if ((before == ' ' || before == '\n') &&
                std::string_view(" ,;)\n").find(after) != std::string_view::npos) {
                return true;
            }
        }
        return false;
    };
    size_t regions = 0;
    for (size_t start = 0, comma; (comma = list.find(',', start)) != std::string::npos;
         start = comma + 2, ++regions) {
        const std::string code = list.substr(start, comma - start);
        EXPECT_TRUE(named(code)) << code;
    }
    EXPECT_EQ(regions, 30u);
}

}  // namespace
}  // namespace tembrel
