#include "cli/subcommand.h"

#include <cstdio>

#include "core/number_text.h"
#include "core/string_utils.h"

namespace tembrel::cli {

namespace {

constexpr int kExitUsage = 2;

}  // namespace

SubcommandResult RefuseSubcommand(const std::string& message) {
    return {kExitUsage, {}, "tembrel-cli: " + message + "\n"};
}

std::optional<int32_t> YearArgument(std::string_view text) {
    const std::optional<int64_t> year = WholeNumberOf(TrimSpaces(text));
    if (!year || *year < INT32_MIN || *year > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(*year);
}

SubcommandResult RefuseYear(const std::string& text) {
    return RefuseSubcommand("the year must be a whole number, such as 2009 or -45: '" + text + "'");
}

int PrintSubcommandResult(const SubcommandResult& result) {
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}

}  // namespace tembrel::cli
