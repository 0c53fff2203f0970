// The built tembrel-cli, run the way a script runs it.
#include <gtest/gtest.h>

#include "tests/support/run_process.h"

namespace tembrel {
namespace {

using test_support::ProcessResult;
using test_support::RunProcess;

ProcessResult Cli(std::vector<std::string> arguments, const std::string& input = {}) {
    arguments.insert(arguments.begin(), "--today=2008-03-15");
    return RunProcess(TEMBREL_CLI, arguments, input);
}

TEST(Cli, ConvertsADate) {
    const ProcessResult result = Cli({"-1", "2008-01-15", "--second-cal", "ISO"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "2008-01-15 CE = 2008-W03-2 ISO, Tuesday\n");
    EXPECT_EQ(result.err, "");
}

TEST(Cli, ComputesDifferencesAndDates) {
    EXPECT_EQ(Cli({"-1", "2008-01-01", "-2", "2009-03-15", "--terse"}).out,
              "2008-01-01 CE to 2009-03-15 CE = 439 days (1 year, 2 months, 14 days)\n");
    EXPECT_EQ(Cli({"--first", "2008-01-04", "--diff", "1", "--weekdays-only"}).out,
              "2008-01-04 CE plus 1 day = 2008-01-07 CE, Monday, excluding 1st date, not counting "
              "weekend days\n");
    EXPECT_EQ(Cli({"-1", "2008-01-31", "-d", "1", "--months"}).out,
              "2008-01-31 CE plus 1 month = 2008-02-29 CE, Friday\n");
    EXPECT_EQ(Cli({"-1", "15.01.2008", "--order", "dmy", "--sep", ".", "--second-cal", "JDN",
                   "--thousands", "none"})
                  .out,
              "15.01.2008 CE = 2454481 JDN, Tuesday\n");
    EXPECT_EQ(Cli({"-1", "2008-01-15", "--second-cal", "ORD", "--no-hyphen", "--lang", "de"}).out,
              "2008-01-15 CE = 2008015, Dienstag\n");
}

TEST(Cli, ReportsTodayWithoutADate) {
    const ProcessResult result = Cli({"--second-cal", "LPW"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "2008-03-15 CE = 2008-12-6 LPW, Saturday\n");
}

TEST(Cli, RefusalsGoToStandardErrorWithStatusOne) {
    ProcessResult result = Cli({"-1", "2008-02-30"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "First date is not valid in specified calendar using specified date format.\n");

    result = Cli({"-1", "2008-01-01", "-d", "5", "-2", "2008-02-01"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "If both the first date and the second date are specified\n"
              "then the date difference window must be empty.\n");

    result = Cli({"--first-cal", "JDN", "--second-cal", "JDN", "-1", "2099999999", "-d", "2"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Out of Range\n\n");
    EXPECT_EQ(result.err, "Result is out of range.\n");

    result = Cli({"-1", "2008-01-01", "-2", "2008-02-01", "--months", "--lang", "de"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Tagen"), std::string::npos) << result.err;
}

TEST(Cli, UsageErrorsGiveStatusTwo) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--bogus"},
                                               {"--first-cal", "XYZ"},
                                               {"--order"},
                                               {"--sep", ":"},
                                               {"--thousands", "_"},
                                               {"--lang", "fr"},
                                               {"--months=yes"},
                                               {"--batch", "-1", "2008-01-01"},
                                               {"-d", "5"}}) {
        const ProcessResult result = Cli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.front();
        EXPECT_NE(result.err.find("tembrel-cli --help"), std::string::npos);
        EXPECT_EQ(result.out, "");
    }
    const ProcessResult help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--second-cal CAL"), std::string::npos);
    EXPECT_EQ(Cli({"--version"}).out, "tembrel-cli (Tembrel) 9.98\n");
}

TEST(Cli, TodayIsValidatedLikeATypedDate) {
    ProcessResult result = Cli({"--today", "2008-02-30"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("--today"), std::string::npos) << result.err;
    result = Cli({"--today", "99999999-01-01"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("outside the supported range"), std::string::npos) << result.err;
    EXPECT_EQ(Cli({"--today", "2008-02-29"}).out, "2008-02-29 CE, Friday\n");
}

TEST(Cli, BatchGivesOneLinePerInputLine) {
    const ProcessResult result = Cli({"--batch", "--second-cal", "ISO", "--terse"},
                                     "2008-01-15\n\n2008-02-30\r\n  1999-12-31  \n-5000000-01-01");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "2008-01-15 CE = 2008-W03-2 ISO, Tuesday\n"
              "\n"
              "\n"
              "1999-12-31 CE = 1999-W52-5 ISO, Friday\n"
              "-5,000,000-01-01 CE = -5000001-W52-6 ISO, Saturday\n");
    EXPECT_EQ(result.err,
              "line 3: First date is not valid in specified calendar using specified date "
              "format.\n");
}

TEST(Cli, BatchRefusesOverLongLinesAndAnswersBlankLinesWithEmptyOnes) {
    const std::string longLine(5'000'000, '7');
    const ProcessResult result =
        Cli({"--batch", "--terse"}, "2008-01-15\n" + longLine + "\n \t \n" + longLine);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "2008-01-15 CE, Tuesday\n\n\n\n");
    EXPECT_EQ(result.err,
              "line 2: the line is longer than 4096 bytes\n"
              "line 4: the line is longer than 4096 bytes\n");
}

TEST(Cli, BatchAppliesTheOtherFields) {
    const ProcessResult result = Cli({"--batch", "-d", "10"}, "2008-01-15\n2099-12-31\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "2008-01-15 CE plus 10 days = 2008-01-25 CE, Friday, excluding 1st date\n"
              "2099-12-31 CE plus 10 days = 2100-01-10 CE, Sunday, excluding 1st date\n");
}

TEST(Cli, LargeBatchKeepsTheOrderAcrossWorkers) {
    std::string input;
    std::string expected;
    for (int day = 0; day < 20000; ++day) {
        const int jdn = 2400000 + day;
        input += std::to_string(jdn) + "\n";
        expected += std::to_string(jdn) + " JDN\n";
    }
    const ProcessResult result =
        Cli({"--batch", "--first-cal", "JDN", "--second-cal", "JDN", "--thousands", "none"}, input);
    EXPECT_EQ(result.exitCode, 0);
    // Each line reads "N JDN, <weekday>": compare the part before the comma.
    std::string numbers;
    size_t start = 0;
    while (start < result.out.size()) {
        const size_t end = result.out.find('\n', start);
        const std::string line = result.out.substr(start, end - start);
        numbers += line.substr(0, line.find(',')) + "\n";
        start = end + 1;
    }
    EXPECT_EQ(numbers, expected);
}

}  // namespace
}  // namespace tembrel
