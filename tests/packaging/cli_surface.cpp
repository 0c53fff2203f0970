#include "tests/packaging/cli_surface.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "tests/support/run_process.h"

namespace tembrel::packaging_test {

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), {}};
}

// Returns the text with the manual page markup for bold and underlined words
// (*, _) turned into blanks.
std::string Unmarked(std::string_view text) {
    std::string plain(text);
    for (char& c : plain) {
        if (c == '*' || c == '_') {
            c = ' ';
        }
    }
    return plain;
}

}  // namespace

std::set<std::string> OptionNames(std::string_view text) {
    const std::string plain = " " + Unmarked(text) + " ";
    // A short option stands after a blank, "[" or "(" and before a blank, ",",
    // "]", "|" or ")", so that "-45" or "2008-01-15" are not taken for one.
    static const std::regex kOption(
        R"((--[A-Za-z0-9][A-Za-z0-9-]*)|[\s\[(](-[A-Za-z0-9])(?=[\s,\]|)]))");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(plain.begin(), plain.end(), kOption);
         it != std::sregex_iterator(); ++it) {
        names.insert((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    }
    return names;
}

std::set<std::string> SubcommandNames(std::string_view text) {
    size_t from = text.find("# SYNOPSIS\n");
    size_t to = text.find("\n# ", from + 1);
    if (from == std::string_view::npos) {
        from = text.find("Usage:");
        to = text.find("\n\n", from);
    }
    const std::string plain = Unmarked(
        text.substr(std::min(from, text.size()), to == std::string_view::npos ? to : to - from));
    static const std::regex kSynopsis(R"(^\s*(?:Usage:)?\s*tembrel-cli\s+([a-z][a-z0-9-]*)\b)");
    std::set<std::string> names;
    std::istringstream lines(plain);
    std::string line;
    std::smatch match;
    while (std::getline(lines, line)) {
        if (std::regex_search(line, match, kSynopsis)) {
            names.insert(match[1].str());
        }
    }
    return names;
}

std::vector<ListedOption> ReadOptionListing() {
    std::ifstream in(std::filesystem::path(TEMBREL_COMPLETIONS_DIR) / "tembrel-cli.options");
    std::vector<ListedOption> listing;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::istringstream columns(line);
        std::string field;
        while (std::getline(columns, field, '\t')) {
            fields.push_back(field);
        }
        fields.resize(4);
        listing.push_back({fields[0], Words(fields[1]), fields[2], Words(fields[3])});
    }
    return listing;
}

std::string HelpText() {
    return test_support::RunProcess(TEMBREL_CLI, {"--help"}).out;
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

}  // namespace tembrel::packaging_test
