// Every command-line example of the manuals, run against the built program: a
// "$ tembrel-cli ..." line (or "$ printf '...' | tembrel-cli ...") inside a
// <pre> block, followed by the lines the program must print. The manuals are
// shown to users as the truth; a change of behaviour that is not carried into
// them fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/run_process.h"

namespace tembrel {
namespace {

struct Example {
    std::string command;  // as the manual shows it, after "$ "
    std::vector<std::string> expected;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Unescape(std::string text) {
    for (const auto& [entity, character] :
         {std::pair<std::string_view, std::string_view>{"&lt;", "<"},
          {"&gt;", ">"},
          {"&quot;", "\""},
          {"&amp;", "&"}}) {
        for (size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + character.size())) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// Returns the lines of `text` without their trailing blanks, and without
// empty lines at the end.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        line.erase(line.find_last_not_of(" \r") + 1);
        lines.push_back(line);
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
        const size_t start = open + std::string_view("<pre>").size();
        const std::string block = Unescape(html.substr(start, html.find("</pre>", start) - start));
        // Lines before a block's first command are not an example's.
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

// Splits a command line at blanks; a part in single quotes is one word.
std::vector<std::string> Words(std::string_view command) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (const char c : command) {
        if (c == '\'') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

// Runs an example's command; returns what it printed on both outputs.
std::string RunExample(const std::string& command) {
    std::vector<std::string> words = Words(command);
    std::string input;
    if (words.size() >= 3 && words[0] == "printf" && words[2] == "|") {
        input = words[1];
        for (size_t at = input.find("\\n"); at != std::string::npos; at = input.find("\\n", at)) {
            input.replace(at, 2, "\n");
        }
        words.erase(words.begin(), words.begin() + 3);
    }
    if (words.empty() || words[0] != "tembrel-cli") {
        ADD_FAILURE() << "not a tembrel-cli example: " << command;
        return {};
    }
    words.erase(words.begin());
    const test_support::ProcessResult result = test_support::RunProcess(TEMBREL_CLI, words, input);
    return result.out + result.err;
}

class ManualExamples : public ::testing::TestWithParam<const char*> {};

TEST_P(ManualExamples, PrintWhatTheManualShows) {
    const std::string html = ReadFile(std::string(TEMBREL_DOCS_DIR) + "/" + GetParam());
    const std::vector<Example> examples = ExamplesIn(html);
    EXPECT_GE(examples.size(), 10u);
    for (const Example& example : examples) {
        SCOPED_TRACE(example.command);
        EXPECT_FALSE(example.expected.empty());
        EXPECT_EQ(Lines(RunExample(example.command)), example.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, ManualExamples,
                         ::testing::Values("manual.en.html", "manual.de.html"));

}  // namespace
}  // namespace tembrel
