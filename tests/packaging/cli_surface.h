// What tembrel-cli shows of itself (its --help) and the list of options the
// shell completions are made from, read into names the packaging tests compare.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tembrel::packaging_test {

// Returns the option names a text mentions: long options (--first-cal) anywhere,
// short ones (-1) standing alone as a word. Manual page markup (*bold*,
// _underlined_) is read as blanks.
std::set<std::string> OptionNames(std::string_view text);

// Returns the subcommands of the synopsis of a text (the manual page's SYNOPSIS
// section, or the usage lines of --help up to the first empty line): the word
// after "tembrel-cli" on a line that starts with it.
std::set<std::string> SubcommandNames(std::string_view text);

// One line of the option listing the build writes beside the completions.
struct ListedOption {
    std::string scope;                // "-" for the main command line, else the subcommand
    std::vector<std::string> names;   // "-1", "--first"
    std::string kind;                 // flag, text, choices, file, or subcommand
    std::vector<std::string> values;  // the choices; the value's name for text and file
};

// Reads the option listing of the completions folder.
std::vector<ListedOption> ReadOptionListing();

// Returns the output of `tembrel-cli --help`.
std::string HelpText();

// Returns a file's bytes (empty when it cannot be read).
std::string Contents(const std::filesystem::path& path);

}  // namespace tembrel::packaging_test
