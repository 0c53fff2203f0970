// The manual pages: tembrel-cli(1) tells the options and subcommands of
// `tembrel-cli --help`, no more and no fewer, its examples print what they show,
// and the build makes both pages as man reads them.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/packaging/cli_surface.h"
#include "tests/support/find_program.h"
#include "tests/support/run_process.h"

namespace tembrel::packaging_test {
namespace {

using test_support::ProcessResult;
using test_support::RunProcess;

const std::filesystem::path kSources = TEMBREL_MAN_SOURCE_DIR;
const std::filesystem::path kBuilt = TEMBREL_MAN_DIR;

std::string CliPage() {
    return Contents(kSources / "tembrel-cli.1.scd");
}

// Returns the text with the blanks at the ends of its lines removed (the month
// grid pads its columns; the page does not show that).
std::string WithoutTrailingBlanks(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    std::string result;
    while (std::getline(lines, line)) {
        result += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return result;
}

TEST(ManPage, ListsTheOptionsAndSubcommandsOfTheHelpAndNoOthers) {
    const std::string help = HelpText();
    const std::string page = CliPage();
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(OptionNames(page), OptionNames(help));
    EXPECT_EQ(SubcommandNames(page), SubcommandNames(help));
}

// An example is a line "$ tembrel-cli ARGUMENTS" in a ``` block, followed by the
// lines it prints up to the next example or the end of the block. It is run by
// the shell, with the built tembrel-cli first on the path, so that an example may
// pass the output on through a pipe. Examples that read a file are shown without
// output and not run.
TEST(ManPage, ExamplesPrintWhatTheyShow) {
    std::istringstream lines(CliPage());
    std::string line;
    bool inBlock = false;
    std::vector<std::pair<std::string, std::string>> examples;
    while (std::getline(lines, line)) {
        if (line.starts_with("```")) {
            inBlock = !inBlock;
        } else if (inBlock && line.starts_with("$ tembrel-cli ")) {
            examples.push_back({line.substr(2), ""});
        } else if (inBlock && !examples.empty()) {
            examples.back().second += line + "\n";
        }
    }
    ASSERT_GE(examples.size(), 5u);
    const std::string path =
        "PATH=" + std::filesystem::path(TEMBREL_CLI).parent_path().string() + ":\"$PATH\"; ";
    for (const auto& [command, shown] : examples) {
        if (command.find(" < ") != std::string::npos) {
            continue;
        }
        const ProcessResult result = RunProcess("/bin/sh", {"-c", path + command});
        EXPECT_EQ(result.exitCode, 0) << command << ": " << result.err;
        EXPECT_EQ(WithoutTrailingBlanks(result.out), shown) << command;
    }
}

// The pages are built with the version, gzipped, and man shows them without
// a warning from the formatter.
TEST(ManPage, BothPagesAreBuiltAndShownWithoutWarnings) {
    const std::filesystem::path man = test_support::FindProgram("man");
    for (const std::string page : {"tembrel.1", "tembrel-cli.1"}) {
        EXPECT_NE(Contents(kBuilt / page).find("\"Tembrel " TEMBREL_VERSION_TEXT "\""),
                  std::string::npos)
            << page;
        EXPECT_TRUE(Contents(kBuilt / (page + ".gz")).starts_with("\x1f\x8b")) << page;
        if (!man.empty()) {
            const ProcessResult shown =
                RunProcess(man.string(),
                           {"--warnings", "-P", "cat", "-l", (kBuilt / (page + ".gz")).string()});
            EXPECT_EQ(shown.err, "") << page;
            EXPECT_NE(shown.out.find("EXIT STATUS"), std::string::npos) << page;
        }
    }
}

}  // namespace
}  // namespace tembrel::packaging_test
