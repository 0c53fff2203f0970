// What the subcommands share: what they print with their exit status, and how
// they read a YEAR.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tembrel::cli {

struct SubcommandResult {
    int exitCode = 0;  // 0 printed, 2 the arguments or options are not usable
    std::string out;   // for standard output
    std::string err;   // one line saying what is wrong
};

// Returns the refusal "tembrel-cli: <message>" with exit status 2.
SubcommandResult RefuseSubcommand(const std::string& message);

// Reads a YEAR argument: a whole number (an optional sign and digits, blanks
// around allowed) of 32 bits; empty otherwise.
std::optional<int32_t> YearArgument(std::string_view text);

// The refusal of a YEAR that YearArgument cannot read.
SubcommandResult RefuseYear(const std::string& text);

// Prints the result's texts; returns its exit status.
int PrintSubcommandResult(const SubcommandResult& result);

}  // namespace tembrel::cli
