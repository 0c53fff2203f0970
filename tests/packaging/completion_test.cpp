// The shell completions made by the build, run in bash, zsh and fish (each
// where it is installed): every option of --help is offered, each in its own
// scope, with its values, and the subcommands come first.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/packaging/cli_surface.h"
#include "tests/support/find_program.h"
#include "tests/support/run_process.h"
#include "tests/support/temp_folder.h"

namespace tembrel::packaging_test {
namespace {

using test_support::ProcessResult;
using test_support::RunProcess;

const std::filesystem::path kCompletions = TEMBREL_COMPLETIONS_DIR;

// Completes the last of `words` (the ones before it already typed) as bash
// does, with the words split at "=" as bash splits them.
constexpr const char* kBash = R"sh(
cd "$(dirname "$1")"; source "$1"; shift
COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
_tembrel_cli
printf '%s\n' "${COMPREPLY[@]}"
)sh";

// fish completes a command line; its answer is one "match<TAB>description" a line.
constexpr const char* kFish = R"sh(
cd (dirname $argv[1]); source $argv[1]
complete -C (string join ' ' -- $argv[2..-1])
)sh";

// zsh completes only in its line editor: a second zsh on a pseudo terminal is
// given the line and a Tab, bound to a widget that completes and then marks the
// end. A compadd that records what it is given writes the matches to a file.
constexpr const char* kZsh = R"sh(
zmodload zsh/zpty
cd ${1:h}
out=$(mktemp)
zpty z zsh -f -i
zpty -w z "PS1=''; fpath=(${1:h} \$fpath); autoload -U compinit; compinit -u -D"
zpty -w z "compadd() { local -a m; builtin compadd -O m \"\$@\"; print -rl -- \$m >> $out; builtin compadd \"\$@\"; }"
zpty -w z "zstyle ':completion:*' list-prompt ''; zstyle ':completion:*' menu no"
zpty -w z "_complete_and_mark() { zle complete-word; print -r -- --end-- >> $out; }; zle -N _complete_and_mark; bindkey '^I' _complete_and_mark"
shift
zpty -w -n z "${(j: :)@}"$'\t'
for i in {1..400}; do grep -qx -- --end-- $out && break; sleep 0.05; done
zpty -d z
grep -vx -- --end-- $out
rm -f $out
)sh";

struct Shell {
    const char* name;
    const char* file;    // the completion made by the build
    const char* script;  // the script above that completes with it
};

void PrintTo(const Shell& shell, std::ostream* out) {
    *out << shell.name;
}

const Shell kShells[] = {
    {"bash", "tembrel-cli.bash", kBash},
    {"zsh", "_tembrel-cli", kZsh},
    {"fish", "tembrel-cli.fish", kFish},
};

class Completion : public testing::TestWithParam<Shell> {
  protected:
    void SetUp() override {
        program_ = test_support::FindProgram(GetParam().name);
        if (program_.empty()) {
            GTEST_SKIP() << GetParam().name << " is not installed";
        }
    }

    // Returns what the shell offers for the last word of "tembrel-cli WORDS...",
    // with the completion from `folder`, in that folder.
    std::set<std::string> Offers(const std::vector<std::string>& words,
                                 const std::filesystem::path& folder = kCompletions) const {
        std::vector<std::string> arguments = {"-c", GetParam().script, GetParam().name,
                                              (folder / GetParam().file).string(), "tembrel-cli"};
        if (std::string(GetParam().name) == "fish") {
            arguments.erase(arguments.begin() + 2);  // fish takes no $0
        }
        arguments.insert(arguments.end(), words.begin(), words.end());
        const ProcessResult result = RunProcess(program_.string(), arguments, {}, 30);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::set<std::string> offers;
        std::istringstream lines(result.out);
        std::string line;
        while (std::getline(lines, line)) {
            line = line.substr(0, line.find('\t'));
            if (!line.empty()) {
                offers.insert(line);
            }
        }
        return offers;
    }

    // Returns the option names the list gives `scope`.
    static std::set<std::string> ListedNames(const std::string& scope) {
        std::set<std::string> names;
        for (const ListedOption& option : ReadOptionListing()) {
            if (option.scope == scope && option.kind != "subcommand") {
                names.insert(option.names.begin(), option.names.end());
            }
        }
        return names;
    }

  private:
    std::filesystem::path program_;
};

// Each scope offers exactly its options from the list, and together they offer
// every option of --help.
TEST_P(Completion, OffersEveryOptionOfTheHelpInItsScopeOnly) {
    std::set<std::string> offered = Offers({"-"});
    EXPECT_EQ(offered, ListedNames("-"));
    EXPECT_EQ(Offers({"month", "2009", "-"}), ListedNames("month"));
    offered.merge(Offers({"month", "-"}));
    for (const std::string& name : OptionNames(HelpText())) {
        EXPECT_TRUE(offered.contains(name)) << name;
    }
}

// Every value is offered once its first character is typed (fish hides values
// that start with "." until then, as it hides such files), and nothing else is
// offered. fish reads a word that starts with "-" as an option, so there a value
// such as "-" is completed in the form --sep=-.
TEST_P(Completion, OffersTheValuesAnOptionTakes) {
    for (const ListedOption& option : ReadOptionListing()) {
        if (option.kind != "choices") {
            continue;
        }
        std::vector<std::string> words = {option.names.back(), ""};
        if (option.scope != "-") {
            words.insert(words.begin(), option.scope);
        }
        const std::set<std::string> values(option.values.begin(), option.values.end());
        for (const std::string& offer : Offers(words)) {
            EXPECT_TRUE(values.contains(offer)) << option.names.back() << " " << offer;
        }
        for (const std::string& value : values) {
            std::vector<std::string> typed = words;
            typed.back() = value.substr(0, 1);
            std::string offer = value;
            if (value.starts_with("-") && std::string(GetParam().name) == "fish") {
                typed.pop_back();
                typed.back() += "=-";
                offer = typed.back();
            }
            EXPECT_TRUE(Offers(typed).contains(offer)) << option.names.back() << " " << value;
        }
    }
    EXPECT_EQ(Offers({"--first-cal", "IS"}), (std::set<std::string>{"ISL", "ISO"}));
}

TEST_P(Completion, OffersTheSubcommandsAsTheFirstWordAndNothingForATypedValue) {
    EXPECT_EQ(Offers({""}), (std::set<std::string>{"all", "holidays", "month"}));
    EXPECT_EQ(Offers({"--first", ""}), std::set<std::string>{});
    EXPECT_EQ(Offers({"--terse", "-1", ""}), std::set<std::string>{});
}

TEST_P(Completion, OffersFileNamesWhereAnOptionTakesAFile) {
    const test_support::TempFolder folder;
    const std::filesystem::path options =
        folder.Write("options.cmake",
                     "tembrel_cli_option(NAMES --holidays FILE file HELP \"holiday file\")\n"
                     "tembrel_cli_option(NAMES --name TEXT name HELP \"a name\")\n");
    folder.Write("holidays.ics", "");
    folder.Write("notes.txt", "");
    const ProcessResult made = RunProcess(
        TEMBREL_CMAKE, {"-DOPTIONS=" + options.string(), "-DOUT=" + folder.path().string(), "-P",
                        TEMBREL_WRITE_COMPLETIONS});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_TRUE(Offers({"--holidays", "hol"}, folder.path()).contains("holidays.ics"));
    EXPECT_EQ(Offers({"--name", "hol"}, folder.path()), std::set<std::string>{});
}

// bash splits "--first-cal=IS" into "--first-cal", "=" and "IS".
TEST(BashCompletion, CompletesAValueAfterAnEqualsSign) {
    const std::filesystem::path bash = test_support::FindProgram("bash");
    ASSERT_FALSE(bash.empty());
    const std::string file = (kCompletions / "tembrel-cli.bash").string();
    ProcessResult result =
        RunProcess(bash.string(), {"-c", kBash, "bash", file, "tembrel-cli", "--order", "=", "d"});
    EXPECT_EQ(result.out, "dmy\n") << result.err;
    result = RunProcess(bash.string(), {"-c", kBash, "bash", file, "tembrel-cli", "--lang", "="});
    EXPECT_EQ(result.out, "en\nde\n") << result.err;
}

INSTANTIATE_TEST_SUITE_P(Shells, Completion, testing::ValuesIn(kShells),
                         [](const testing::TestParamInfo<Shell>& param) {
                             return param.param.name;
                         });

}  // namespace
}  // namespace tembrel::packaging_test
