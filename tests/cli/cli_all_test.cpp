// The world's calendars on the command line: the all subcommand, and every
// calendar code with --first-cal and --second-cal, alone and in batch mode.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/notation_table.h"
#include "tests/support/run_process.h"

namespace tembrel {
namespace {

using test_support::ProcessResult;
using test_support::RunProcess;

ProcessResult Cli(const std::vector<std::string>& arguments, const std::string& input = {}) {
    return RunProcess(TEMBREL_CLI, arguments, input);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

// Returns the date the all subcommand printed for `code`, or "(no line)".
std::string AllText(const ProcessResult& result, std::string_view code) {
    for (const std::string& line : Split(result.out, '\n')) {
        const std::vector<std::string> fields = Split(line, '\t');
        if (!fields.empty() && fields.front() == code) {
            return fields.size() > 1 ? fields[1] : "";
        }
    }
    return "(no line)";
}

// One line per listed notation, in the table's order, each code, text and
// name; and the text of every line reads back as the same day: given back to
// the all subcommand in its own notation, it lists the same texts.
TEST(CliAll, ListsADayInEveryNotationAndEachLineReadsBack) {
    const ProcessResult result = Cli({"all", "2008-01-15"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Split(result.out, '\n');
    const std::vector<CalendarCode> codes = ListedNotations();
    ASSERT_EQ(lines.size(), codes.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> fields = Split(lines[i], '\t');
        ASSERT_EQ(fields.size(), 3u) << lines[i];
        EXPECT_EQ(fields[0], CalCodeText(codes[i]));
        EXPECT_FALSE(fields[2].empty()) << lines[i];
        const ProcessResult back = Cli({"all", fields[1], "--first-cal", fields[0]});
        EXPECT_EQ(back.out, result.out) << lines[i];
    }
    EXPECT_EQ(lines[0], "CE\t2008-01-15\tCommon Era date");
    EXPECT_EQ(AllText(result, "HEB"), "5768-11-08");
    EXPECT_EQ(AllText(result, "CHN"), "78-24-12-08");
    EXPECT_EQ(AllText(result, "MAY"), "12.19.14.17.18");
    EXPECT_EQ(AllText(result, "UNX"), "1,200,355,200");
}

TEST(CliAll, FollowsTheFormatOptionsAndTheLanguage) {
    const ProcessResult result =
        Cli({"all", "08.11.5768", "--first-cal=HEB", "--order", "dmy", "--sep", ".", "--thousands",
             "none", "--no-hyphen", "--lang", "de"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(AllText(result, "CE"), "15.01.2008");
    EXPECT_EQ(AllText(result, "ORD"), "2008015");
    EXPECT_EQ(AllText(result, "JDN"), "2454481");
    EXPECT_NE(result.out.find("HEB\t08.11.5768\tHebräisch\n"), std::string::npos) << result.out;
}

// A day some notations have no date for leaves their texts empty.
TEST(CliAll, LeavesTheTextEmptyWhereANotationHasNoDate) {
    const ProcessResult result = Cli({"all", "-5000-01-01"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(AllText(result, "ORD"), "");
    EXPECT_EQ(AllText(result, "CHN"), "");
    EXPECT_EQ(AllText(result, "HEB"), "-1240-11-28");
    EXPECT_EQ(AllText(result, "BAH"), "-6844-16-02");
}

TEST(CliAll, RefusesADateWithStatusOneAndItsUsageWithStatusTwo) {
    ProcessResult result = Cli({"all", "5785-13-01", "--first-cal", "HEB"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "First date is not valid in specified calendar using specified date format.\n");
    result = Cli({"all", "3500-01-01", "--first-cal", "CHN"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "First date is not valid in specified calendar using specified date format.\n");
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"all"},
                                               {"all", "2008-01-15", "2008-01-16"},
                                               {"all", "2008-01-15", "--months"},
                                               {"all", "2008-01-15", "--first-cal", "AN"},
                                               {"all", "2008-01-15", "--lang"}}) {
        result = Cli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back();
        EXPECT_EQ(result.out, "");
    }
}

TEST(CliWorldCalendars, EveryCodeConvertsBothWaysAloneAndInBatch) {
    for (const CalendarCode cal : ListedNotations()) {
        if (cal == CalendarCode::CE) {
            continue;  // the date typed
        }
        const std::string code(CalCodeText(cal));
        const ProcessResult there = Cli({"-1", "2008-01-15", "--second-cal", code, "--terse"});
        ASSERT_EQ(there.exitCode, 0) << code << ": " << there.err;
        // "2008-01-15 CE = <text> <code>, Tuesday", or "= <text>, Tuesday" for ORD.
        const std::string withCode = there.out.substr(16, there.out.rfind(", ") - 16);
        const std::string text =
            cal == CalendarCode::ORD ? withCode : withCode.substr(0, withCode.rfind(' '));
        const ProcessResult back =
            Cli({"-1", text, "--first-cal", code, "--second-cal", code, "--terse"});
        EXPECT_EQ(back.out, withCode + ", Tuesday\n") << code;
        const ProcessResult batch = Cli({"--batch", "--first-cal", code, "--terse"}, text + "\n");
        EXPECT_EQ(batch.out, withCode + " = 2008-01-15 CE, Tuesday\n") << code;
    }
}

TEST(CliWorldCalendars, TheRefusalOfACodeListsEveryCode) {
    const ProcessResult result = Cli({"--second-cal", "hebrew"});
    EXPECT_EQ(result.exitCode, 2);
    std::string expected = "tembrel-cli: --second-cal takes ";
    const std::vector<CalendarCode> codes = ListedNotations();
    for (size_t i = 0; i < codes.size(); ++i) {
        expected += CalCodeText(codes[i]);
        expected += i + 2 < codes.size() ? ", " : i + 2 == codes.size() ? " or " : "\n";
    }
    EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), expected);
}

TEST(CliWorldCalendars, TheUsageFitsEightyColumns) {
    const ProcessResult result = Cli({"--help"});
    ASSERT_EQ(result.exitCode, 0);
    for (const std::string& line : Split(result.out, '\n')) {
        EXPECT_LE(line.size(), 80u) << line;
    }
    EXPECT_NE(result.out.find("LIL, UNX or XLS (default CE)"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace tembrel
