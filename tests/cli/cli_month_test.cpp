// tembrel-cli month: the grid and the ISO panel as printed, and the refusals.
#include <gtest/gtest.h>

#include "tests/support/run_process.h"

namespace tembrel {
namespace {

using test_support::ProcessResult;
using test_support::RunProcess;

ProcessResult Month(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "month");
    return RunProcess(TEMBREL_CLI, arguments);
}

const char kFebruary2009MondayFirst[] =
    " Mon  Tue  Wed  Thu  Fri  Sat  Sun \n"
    "  26   27   28   29   30   31    1  \n"
    "   2    3    4    5    6    7    8  \n"
    "   9   10   11   12   13   14   15  \n"
    "  16   17   18   19   20   21   22  \n"
    "  23   24   25   26   27   28    1  \n";

TEST(CliMonth, PrintsTheGridWithUnixLineEnds) {
    const ProcessResult result = Month({"2009", "2"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              " Sun  Mon  Tue  Wed  Thu  Fri  Sat \n"
              "   1    2    3    4    5    6    7  \n"
              "   8    9   10   11   12   13   14  \n"
              "  15   16   17   18   19   20   21  \n"
              "  22   23   24   25   26   27   28  \n"
              "   1    2    3    4    5    6    7  \n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(Month({"2009", "2", "--monday"}).out, kFebruary2009MondayFirst);
}

TEST(CliMonth, PrintsTheISOPanelAfterAnEmptyLine) {
    ProcessResult result = Month({"--iso", "2009", "02", "--monday"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, std::string(kFebruary2009MondayFirst) +
                              "\n"
                              " Mon    Tue    Wed    Thu    Fri    Sat    Sun   \n"
                              "W05-1  W05-2  W05-3  W05-4  W05-5  W05-6  W05-7\n"
                              "W06-1  W06-2  W06-3  W06-4  W06-5  W06-6  W06-7\n"
                              "W07-1  W07-2  W07-3  W07-4  W07-5  W07-6  W07-7\n"
                              "W08-1  W08-2  W08-3  W08-4  W08-5  W08-6  W08-7\n"
                              "W09-1  W09-2  W09-3  W09-4  W09-5  W09-6  W09-7\n");
    result = Month({"2009", "Februar", "--lang", "de", "--monday", "--iso", "--with-year"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find(" Mon  Die  Mit  Don  Fre  Sam  Son \n"), std::string::npos);
    EXPECT_NE(result.out.find("\n\nMontag   Dienstag Mittwoch Donnerst Freitag  Samstag  Sonntag\n"
                              "9-W05-1  9-W05-2"),
              std::string::npos);
}

TEST(CliMonth, AcceptsMonthNamesAndSignedYears) {
    EXPECT_EQ(Month({"2009", "february", "--monday"}).out, kFebruary2009MondayFirst);
    EXPECT_EQ(Month({"2009", "FEBRUARY", "--monday"}).out, kFebruary2009MondayFirst);
    EXPECT_EQ(Month({"2009", "MÄRZ", "--lang", "de"}).exitCode, 0);
    EXPECT_EQ(Month({"+2009", "2", "--monday"}).out, kFebruary2009MondayFirst);
    // 1900 is a leap year only in the Julian calendar.
    EXPECT_TRUE(
        Month({"1900", "2", "--julian"}).out.ends_with("\n  27   28   29    1    2    3    4  \n"));
    EXPECT_TRUE(Month({"1900", "2"}).out.ends_with("\n  25   26   27   28    1    2    3  \n"));
    const ProcessResult old = Month({"-45", "12", "--julian"});
    EXPECT_EQ(old.exitCode, 0);
    EXPECT_EQ(old.out.substr(0, 36), " Sun  Mon  Tue  Wed  Thu  Fri  Sat \n");
}

TEST(CliMonth, RefusesUnusableInputWithStatusTwo) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"20a9", "2"},
             {"+", "2"},
             {"+-5", "2"},
             {"999999999", "2"},
             {"99999999999999999999", "2"},
             {"2009", "0"},
             {"2009", "13"},
             {"2009", "Februar"},  // German name with English texts
             {"2009", "Feb"},
             {"2009", "2", "--iso"},
             {"2009", "2", "--iso", "--monday", "--julian"},
             {"2009"},
             {"2009", "2", "--lang", "fr"},
             {"2009", "2", "--sunday"}}) {
        const ProcessResult result = Month(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments[0];
        EXPECT_EQ(result.out, "") << arguments[0];
        EXPECT_TRUE(result.err.starts_with("tembrel-cli: ")) << result.err;
    }
    EXPECT_NE(Month({"2009", "2", "--iso"}).err.find("--monday"), std::string::npos);
}

}  // namespace
}  // namespace tembrel
