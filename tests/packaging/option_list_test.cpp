// The list the shell completions are made from (completions/
// tembrel-cli-options.cmake), held against what tembrel-cli says of itself and
// what it accepts: an option or a value added to the program and not to the
// list, or renamed in one of them, fails here.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "tests/packaging/cli_surface.h"
#include "tests/support/run_process.h"

namespace tembrel::packaging_test {
namespace {

using test_support::ProcessResult;

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
    const std::set<std::string> inHelp = OptionNames(help);
    for (const char* sample : {"-1", "-d", "--first-cal", "--with-year", "--version"}) {
        ASSERT_TRUE(inHelp.contains(sample)) << sample << " not read from --help";
    }
    for (const std::string& name : inHelp) {
        EXPECT_TRUE(listed.contains(name)) << name << " is in --help but not in the option list";
    }
    EXPECT_EQ(subcommands, SubcommandNames(help));
}

// Each option is run in its scope with each of its values (a sample for the
// others), and with a wrong value, whose refusal ("--sep takes -, / or .") must
// name exactly the listed values. A subcommand's arguments are given samples by
// their names.
TEST(OptionList, EachOptionAndValueIsOneTheProgramTakesWhereTheListPutsIt) {
    const std::map<std::string, std::string> samples = {
        {"YEAR", "2009"}, {"MONTH", "2"}, {"DATE", "2008-01-15"}, {"REGION", "DE-BY"}};
    std::map<std::string, std::vector<std::string>> subcommandArguments;
    for (const ListedOption& option : ReadOptionListing()) {
        if (option.kind == "subcommand") {
            std::vector<std::string>& arguments = subcommandArguments[option.scope];
            arguments.push_back(option.scope);
            for (const std::string& name : option.values) {
                ASSERT_TRUE(samples.contains(name)) << "no sample for " << name;
                arguments.push_back(samples.at(name));
            }
        }
    }
    for (const ListedOption& option : ReadOptionListing()) {
        if (option.kind == "subcommand") {
            continue;
        }
        const auto run = [&](const std::string& name, const std::string& value) {
            std::vector<std::string> arguments = {name};
            if (option.scope != "-") {
                const std::vector<std::string>& leading = subcommandArguments[option.scope];
                arguments.insert(arguments.begin(), leading.begin(), leading.end());
            }
            if (option.kind != "flag") {
                arguments.push_back(value);
            }
            return test_support::RunProcess(TEMBREL_CLI, arguments);
        };
        for (const std::string& name : option.names) {
            const ProcessResult result = run(name, option.values.empty() ? "1" : "@");
            EXPECT_EQ(result.err.find("unknown"), std::string::npos) << name << ": " << result.err;
        }
        if (option.kind != "choices") {
            continue;
        }
        const std::string& name = option.names.back();
        for (const std::string& value : option.values) {
            EXPECT_EQ(run(name, value).err.find(" takes"), std::string::npos)
                << name << " " << value;
        }
        const std::string refusal = run(name, "@").err;
        std::istringstream words(refusal.substr(0, refusal.find('\n')));
        std::set<std::string> named;
        std::string word;
        while (words >> word && word != "takes") {
        }
        while (words >> word) {
            if (word != "or") {
                named.insert(word.size() > 1 && word.back() == ',' ? word.substr(0, word.size() - 1)
                                                                   : word);
            }
        }
        EXPECT_EQ(named, std::set<std::string>(option.values.begin(), option.values.end()))
            << refusal;
    }
}

}  // namespace
}  // namespace tembrel::packaging_test
