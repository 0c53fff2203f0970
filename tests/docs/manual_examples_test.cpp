// Every command-line example of the manuals, run against the built program: a
// "$ ..." line inside a <pre> block is run by the shell, with the built
// tembrel-cli first on the path, and must print the lines that follow it. The
// manuals are the users' truth; a change of behaviour not carried into them
// fails here.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run_process.h"

namespace tembrel {
namespace {

struct Example {
    std::string command;  // after the "$ "
    std::vector<std::string> expected;
};

// Returns the lines of `text` without trailing blanks and trailing empty lines.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line.substr(0, line.find_last_not_of(" \r") + 1));
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

std::vector<Example> ExamplesIn(const std::string& html) {
    std::vector<Example> examples;
    for (size_t open = html.find("<pre>"); open != std::string::npos;
         open = html.find("<pre>", open + 1)) {
        const size_t start = open + 5;
        std::string block = html.substr(start, html.find("</pre>", start) - start);
        for (const auto& [entity, character] :
             {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
            for (size_t at = 0; (at = block.find(entity, at)) != std::string::npos; ++at) {
                block.replace(at, std::string_view(entity).size(), character);
            }
        }
        // Lines before a block's first command (window output) are no example's.
        bool inExample = false;
        for (const std::string& line : Lines(block)) {
            if (line.starts_with("$ ")) {
                examples.push_back({line.substr(2), {}});
                inExample = true;
            } else if (inExample) {
                examples.back().expected.push_back(line);
            }
        }
    }
    return examples;
}

class ManualExamples : public ::testing::TestWithParam<const char*> {};

TEST_P(ManualExamples, PrintWhatTheManualShows) {
    const std::string path = std::string(getenv("PATH") != nullptr ? getenv("PATH") : "");
    setenv("PATH", (std::filesystem::path(TEMBREL_CLI).parent_path().string() + ":" + path).c_str(),
           1);
    std::ifstream file(std::string(TEMBREL_DOCS_DIR) + "/" + GetParam(), std::ios::binary);
    std::ostringstream html;
    html << file.rdbuf();
    const std::vector<Example> examples = ExamplesIn(html.str());
    EXPECT_GE(examples.size(), 10u);
    for (const Example& example : examples) {
        SCOPED_TRACE(example.command);
        EXPECT_FALSE(example.expected.empty());
        const test_support::ProcessResult run =
            test_support::RunProcess("/bin/sh", {"-c", example.command});
        EXPECT_EQ(Lines(run.out + run.err), example.expected);
    }
    setenv("PATH", path.c_str(), 1);
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, ManualExamples,
                         ::testing::Values("manual.en.html", "manual.de.html"));

}  // namespace
}  // namespace tembrel
