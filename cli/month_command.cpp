#include "cli/month_command.h"

#include <cstdio>

namespace tembrel::cli {

int RunMonthCommand(const CliOptions&, const ProgramTexts&) {
    std::fprintf(stderr, "tembrel-cli: the month grid is not available yet\n");
    return 2;
}

}  // namespace tembrel::cli
