// tembrel-cli: the date converter and calculator for scripts and terminals. It
// runs the same Compute as the desktop program and prints the report lines.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "cli/batch.h"
#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/month_command.h"
#include "core/date_parsing.h"
#include "core/today.h"
#include "text/program_text.h"
#include "text/program_text_numbers.h"

namespace {

using namespace tembrel;
using namespace tembrel::cli;

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoDataFile = 3;

void WriteAll(const std::string& text, std::FILE* stream) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

// Takes the date of --today as today, read as a Common Era date typed year first
// with "-"; returns the message for a text that is not such a date, else nothing.
std::string SetToday(const std::string& text) {
    CalDate date{};
    const int status = ParseDateText(text, "-", CalendarCode::CE, DateOrder::YMD, date);
    if (status == kParseOutOfRange) {
        return "--today: the date lies outside the supported range: '" + text + "'";
    }
    if (status != kParseValid) {
        return "--today takes a Common Era date as YYYY-MM-DD, such as 2008-01-15: '" + text + "'";
    }
    SetFixedToday({date.year, date.month, date.day});
    return {};
}

int Run(const std::vector<std::string>& arguments) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    const CliOptions& options = parsed.options;
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "tembrel-cli: %s\nTry 'tembrel-cli --help'.\n", parsed.error.c_str());
        return kExitUsage;
    }
    if (options.help) {
        WriteAll(UsageText(), stdout);
        return kExitDone;
    }
    if (options.today) {
        const std::string refusal = SetToday(*options.today);
        if (!refusal.empty()) {
            std::fprintf(stderr, "tembrel-cli: %s\nTry 'tembrel-cli --help'.\n", refusal.c_str());
            return kExitUsage;
        }
    }
    ProgramTexts texts;
    const ProgramTextLoad load = texts.LoadProgramText();
    if (!load.ok()) {
        std::fprintf(stderr, "tembrel-cli: %s\n", ToUnixLineEnds(load.message).c_str());
        return kExitNoDataFile;
    }
    texts.SetProgramTextLanguage(options.language);
    texts.SetStartUpCompleted(true);
    if (options.version) {
        std::printf("tembrel-cli (%s) %d.%d8\n",
                    texts.ProgramText(program_text::kProductName).c_str(), TEMBREL_VERSION_MAJOR,
                    TEMBREL_VERSION_MINOR);
        return kExitDone;
    }
    if (options.monthCommand) {
        return RunMonthCommand(options, texts);
    }
    if (options.batch) {
        const std::vector<std::string> errors = RunBatch(
            stdin, stdout, options, texts, std::max(1u, std::thread::hardware_concurrency()));
        for (const std::string& error : errors) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
        return errors.empty() ? kExitDone : kExitRefused;
    }
    CliSession session(options, texts);
    std::vector<std::string> messages;
    const bool accepted = session.Compute(options.first, options.diff, options.second, messages);
    if (accepted && messages.empty() && session.OutputText().empty()) {
        // The window's Compute does nothing with a difference and no date; a
        // script is told rather than handed an empty answer.
        std::fprintf(stderr,
                     "tembrel-cli: a date difference needs a first or a second date\n"
                     "Try 'tembrel-cli --help'.\n");
        return kExitUsage;
    }
    WriteAll(ToUnixLineEnds(session.OutputText()), stdout);
    for (const std::string& message : messages) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    return accepted ? kExitDone : kExitRefused;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return Run(arguments);
}
