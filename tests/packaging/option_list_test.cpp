// The list the shell completions are made from (completions/
// tembrel-cli-options.cmake), held against what tembrel-cli says of itself and
// what it accepts: an option or a value added to the program and not to the
// list, or renamed in one of them, fails here.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/packaging/cli_surface.h"
#include "tests/support/run_process.h"

namespace tembrel::packaging_test {
namespace {

using test_support::ProcessResult;
using test_support::RunProcess;

// Runs tembrel-cli with `name` (and `value`) in the option's scope.
ProcessResult RunWithOption(const ListedOption& option, const std::string& name,
                            const std::string& value) {
    std::vector<std::string> arguments;
    if (option.scope != "-") {
        arguments = {option.scope, "2009", "2"};
    }
    arguments.push_back(name);
    if (option.kind != "flag") {
        arguments.push_back(value);
    }
    return RunProcess(TEMBREL_CLI, arguments);
}

// Returns the values named by a refusal such as "--sep takes -, / or .".
std::set<std::string> ValuesOfRefusal(const std::string& message, const std::string& name) {
    const size_t at = message.find(name + " takes ");
    if (at == std::string::npos) {
        return {};
    }
    const size_t from = at + name.size() + 7;
    std::istringstream words(message.substr(from, message.find('\n', from) - from));
    std::set<std::string> values;
    std::string word;
    while (words >> word) {
        if (word.size() > 1 && word.back() == ',') {
            word.pop_back();
        }
        if (word != "or") {
            values.insert(word);
        }
    }
    return values;
}

TEST(OptionList, HoldsEveryOptionAndSubcommandOfTheHelp) {
    const std::string help = HelpText();
    ASSERT_NE(help.find("Usage:"), std::string::npos) << help;
    std::set<std::string> listed;
    std::set<std::string> subcommands;
    for (const ListedOption& option : ReadOptionListing()) {
        if (option.kind == "subcommand") {
            subcommands.insert(option.scope);
        }
        listed.insert(option.names.begin(), option.names.end());
    }
    for (const std::string& name : OptionNames(help)) {
        EXPECT_TRUE(listed.contains(name)) << name << " is in --help but not in the option list";
    }
    EXPECT_EQ(subcommands, SubcommandNames(help));
}

TEST(OptionList, EveryOptionIsOneTheProgramKnowsWhereTheListPutsIt) {
    for (const ListedOption& option : ReadOptionListing()) {
        for (const std::string& name : option.names) {
            const std::string value = option.values.empty() ? "1" : option.values.front();
            const ProcessResult result = RunWithOption(option, name, value);
            EXPECT_EQ(result.err.find("unknown"), std::string::npos)
                << option.scope << " " << name << ": " << result.err;
        }
    }
}

TEST(OptionList, ChoicesAreExactlyTheValuesTheProgramTakes) {
    for (const ListedOption& option : ReadOptionListing()) {
        if (option.kind != "choices") {
            continue;
        }
        const std::string& name = option.names.back();
        for (const std::string& value : option.values) {
            const ProcessResult result = RunWithOption(option, name, value);
            EXPECT_EQ(result.err.find(name + " takes"), std::string::npos)
                << option.scope << " " << name << " " << value << ": " << result.err;
        }
        const ProcessResult refused = RunWithOption(option, name, "@");
        EXPECT_EQ(refused.exitCode, 2) << name;
        EXPECT_EQ(ValuesOfRefusal(refused.err, name),
                  std::set<std::string>(option.values.begin(), option.values.end()))
            << option.scope << " " << name << ": " << refused.err;
    }
}

}  // namespace
}  // namespace tembrel::packaging_test
