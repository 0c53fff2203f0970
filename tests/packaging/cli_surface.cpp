#include "tests/packaging/cli_surface.h"

#include <cctype>
#include <fstream>
#include <iterator>
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
    const auto isName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    std::set<std::string> names;
    for (size_t i = 1; i + 2 < plain.size(); ++i) {
        if (plain.compare(i, 2, "--") == 0 && isName(plain[i + 2])) {
            size_t end = i + 2;
            while (isName(plain[end]) || plain[end] == '-') {
                ++end;
            }
            names.insert(plain.substr(i, end - i));
            i = end;
        } else if (plain[i] == '-' && isName(plain[i + 1]) &&
                   std::string_view(" \t\n[(").find(plain[i - 1]) != std::string_view::npos &&
                   std::string_view(" \t\n,]|)").find(plain[i + 2]) != std::string_view::npos) {
            // A short option stands alone as a word, so that "-45" or
            // "2008-01-15" are not taken for one.
            names.insert(plain.substr(i, 2));
        }
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
    std::set<std::string> names;
    std::istringstream lines(plain);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> words = Words(line);
        if (!words.empty() && words.front() == "Usage:") {
            words.erase(words.begin());
        }
        if (words.size() >= 2 && words[0] == "tembrel-cli" &&
            std::islower(static_cast<unsigned char>(words[1][0]))) {
            names.insert(words[1]);
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
