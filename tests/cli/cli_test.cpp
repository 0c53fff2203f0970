// The built tembrel-cli, run the way a script runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "tests/support/run_process.h"
#include "tests/support/temp_folder.h"

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
}

TEST(Cli, HelpFitsAnEightyColumnTerminal) {
    for (const char* option : {"--help", "-h"}) {
        const ProcessResult help = Cli({option});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_NE(help.out.find("--second-cal CAL"), std::string::npos);
        EXPECT_NE(help.out.find("-h, --help"), std::string::npos);
        std::istringstream lines(help.out);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(line.size(), 80u) << line;
            EXPECT_EQ(line.find('\t'), std::string::npos) << line;
        }
    }
}

// --version says which data files the program would read, beside it or in
// ../share/tembrel/, and succeeds when they are missing, which it is there to show.
TEST(Cli, VersionNamesTheDataFilesFoundAndThoseNotFound) {
    const std::filesystem::path built = std::filesystem::path(TEMBREL_CLI).parent_path();
    ProcessResult result = Cli({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "tembrel-cli (Tembrel) " TEMBREL_VERSION_TEXT "\nvrn_text.dat: " +
                              (built / "vrn_text.dat").string() +
                              "\nholidays.dat: " + (built / "holidays.dat").string() + "\n");

    const test_support::TempFolder folder;
    const std::filesystem::path program = folder.path() / "bin" / "tembrel-cli";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::copy_file(TEMBREL_CLI, program);
    folder.Write("share/tembrel/holidays.dat", "# rules\n");
    result = RunProcess(program.string(), {"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "tembrel-cli (Tembrel) " TEMBREL_VERSION_TEXT
                          "\nvrn_text.dat: not found\nholidays.dat: " +
                              (folder.path() / "share" / "tembrel" / "holidays.dat").string() +
                              "\n");
    // Without its language data file the program computes nothing.
    EXPECT_EQ(RunProcess(program.string(), {"-1", "2008-01-15"}).exitCode, 3);
}

TEST(Cli, StructuredFormatsGiveEachComputationItsRecordAndKeepTheExitStatus) {
    ProcessResult result = Cli({"-1", "2008-01-15", "--second-cal", "ISO", "--format", "json"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              R"({"line":null,"input":{"first":"2008-01-15","difference":"","second":""},)"
              R"("kind":"conversion",)"
              R"("first":{"calendar":"CE","text":"2008-01-15","jdn":2454481,"weekday":"Tuesday",)"
              R"("iso_weekday":2},"second":{"calendar":"ISO","text":"2008-W03-2","jdn":2454481,)"
              R"("weekday":"Tuesday","iso_weekday":2},"difference":null,"days":null,"months":null,)"
              R"("breakdown":null,"report":"2008-01-15 CE = 2008-W03-2 ISO, Tuesday",)"
              R"("message":null})"
              "\n");

    // A refusal prints its object with the message, and says it on standard error.
    result = Cli({"-1", "2008-02-30", "-d", "1,000", "--format=json", "--lang", "de"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find(R"("input":{"first":"2008-02-30","difference":"1,000","second":""})"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find(R"("message":{"code":"first_date_invalid","text":"Erstes Datum)"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.err.find("Erstes Datum"), std::string::npos);

    // A result out of range keeps its report line, without the empty line after it.
    result = Cli({"--first-cal", "JDN", "-1", "2099999999", "-d", "2", "--format", "json"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find(R"("report":"Out of Range","message":{"code":"result_out_of_range")"),
              std::string::npos)
        << result.out;

    result = Cli({"-1", "2008-01-01", "-2", "2009-03-15", "--terse", "--format", "tsv"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.substr(result.out.find('\n') + 1),
              "2008-01-01\t\t2009-03-15\tdays_between\tCE\t2008-01-01\t2454467\tTuesday\t2\tCE\t"
              "2009-03-15\t2454906\tSunday\t7\t439\t439\t\t1\t2\t0\t14\t2008-01-01 CE to "
              "2009-03-15 CE = 439 days (1 year, 2 months, 14 days)\t\t\n");

    // A usage error prints no record.
    for (const char* format : {"json", "tsv"}) {
        result = Cli({"-d", "5", "--format", format});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(Cli({"--format", "xml"}).err.substr(0, 46),
              "tembrel-cli: --format takes text, json or tsv\n");
}

TEST(Cli, ALoneDashReadsStandardInputAsBatchDoes) {
    const std::string input = "2008-01-15\n\n2008-02-30\n1999-12-31\n";
    const ProcessResult batch = Cli({"--batch", "--second-cal", "JDN"}, input);
    const ProcessResult dash = Cli({"--second-cal", "JDN", "-"}, input);
    EXPECT_EQ(dash.exitCode, 1);
    EXPECT_EQ(dash.out, batch.out);
    EXPECT_EQ(dash.err, batch.err);
    EXPECT_EQ(Cli({"-", "-1", "2008-01-15"}).exitCode, 2);

    // Every input line gives its row under the header, and its object in JSON.
    const ProcessResult tsv = Cli({"-", "--format", "tsv"}, input);
    EXPECT_EQ(tsv.exitCode, 1);
    EXPECT_EQ(std::count(tsv.out.begin(), tsv.out.end(), '\n'), 5);
    EXPECT_TRUE(tsv.out.starts_with("first_input\tdifference_input\t")) << tsv.out;
    const ProcessResult json = Cli({"-", "--format", "json"}, input);
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 4);
    EXPECT_NE(json.out.find(R"({"line":3,"input":{"first":"2008-02-30")"), std::string::npos);
    EXPECT_EQ(json.err, batch.err);
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
