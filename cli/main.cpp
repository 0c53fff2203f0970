// tembrel-cli: the date converter and calculator for scripts and terminals. It
// runs the same computation engine as the desktop program and prints the report
// lines.
#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "cli/all_command.h"
#include "cli/batch.h"
#include "cli/cli_options.h"
#include "cli/cli_request.h"
#include "cli/cli_working_days.h"
#include "cli/computation_record.h"
#include "cli/holidays_command.h"
#include "cli/month_command.h"
#include "cli/record_output.h"
#include "cli/version_report.h"
#include "compute/compute.h"
#include "compute/compute_messages.h"
#include "core/date_parsing.h"
#include "core/today.h"
#include "text/program_text.h"
#include "text/program_text_location.h"

namespace {

using namespace tembrel;
using namespace tembrel::cli;

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoDataFile = 3;

void WriteAll(std::string_view text, std::FILE* stream) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "tembrel-cli: %s\nTry 'tembrel-cli --help'.\n", message.c_str());
    return kExitUsage;
}

// Today's day number: the date of --today, read as a Common Era date typed year
// first with "-", or the system's local date. Returns the message for a --today
// that is not such a date in `refusal`.
int32_t TodayOf(const CliOptions& options, std::string& refusal) {
    if (!options.today) {
        return SystemTodayJDN();
    }
    const std::string& text = *options.today;
    CalDate date{};
    const int status = ParseDateText(text, "-", CalendarCode::CE, DateOrder::YMD, date);
    if (status == kParseOutOfRange) {
        refusal = "--today: the date lies outside the supported range: '" + text + "'";
    } else if (status != kParseValid) {
        refusal =
            "--today takes a Common Era date as YYYY-MM-DD, such as 2008-01-15: '" + text + "'";
    }
    return date.jdn;
}

int Run(const std::vector<std::string>& arguments) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    const CliOptions& options = parsed.options;
    if (!parsed.error.empty()) {
        return UsageError(parsed.error);
    }
    if (options.help) {
        WriteAll(UsageText(), stdout);
        return kExitDone;
    }
    if (options.version) {
        // Also, and above all, when a data file is missing: it says which.
        WriteAll(VersionReport(ExecutableFolder()), stdout);
        return kExitDone;
    }
    std::string refusal;
    const int32_t today = TodayOf(options, refusal);
    if (!refusal.empty()) {
        return UsageError(refusal);
    }
    ProgramTexts texts;
    const ProgramTextLoad load = texts.LoadProgramText();
    if (!load.ok()) {
        std::fprintf(stderr, "tembrel-cli: %s\n", ToUnixLineEnds(load.message).c_str());
        return kExitNoDataFile;
    }
    texts.SetProgramTextLanguage(options.language);
    texts.SetStartUpCompleted(true);
    const CliWorkingDays working = BuildCliWorkingDays(options.workingDays, HolidayRuleFile());
    if (working.exitCode == kExitUsage) {
        return UsageError(working.error);
    }
    if (working.exitCode != kExitDone) {
        std::fprintf(stderr, "tembrel-cli: %s\n", working.error.c_str());
        return working.exitCode;
    }
    const holidays::WorkingDays* workingDays = working.workingDays.get();
    if (options.monthCommand) {
        return RunMonthCommand(options, workingDays);
    }
    if (options.holidaysCommand) {
        return PrintSubcommandResult(HolidaysCommandOutput(options, *workingDays));
    }
    if (options.allCommand) {
        const AllCommandResult result = AllCommandOutput(options, texts);
        WriteAll(result.out, stdout);
        WriteAll(result.err, stderr);
        return result.exitCode;
    }
    if (options.batch) {
        const std::vector<std::string> errors =
            RunBatch(stdin, stdout, options, texts, today,
                     std::max(1u, std::thread::hardware_concurrency()), workingDays);
        for (const std::string& error : errors) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
        return errors.empty() ? kExitDone : kExitRefused;
    }
    const ComputeRequest request = RequestFor(options, today, workingDays);
    const ComputeResult result = Compute(request);
    if (result.kind == ComputeKind::None && result.message == ComputeMessage::None) {
        // The window does nothing with a difference and no date; a script is told
        // rather than handed an empty answer.
        return UsageError("a date difference needs a first or a second date");
    }
    if (options.format == OutputFormat::Text) {
        WriteAll(result.output, stdout);
    } else {
        // A refused input has its record too, with the message.
        std::string record(OutputHeader(options.format));
        AppendRecord(options.format, RecordOf(request, result, result.output, texts), 0, record);
        WriteAll(record, stdout);
    }
    if (result.message != ComputeMessage::None) {
        const std::string message = MessageText(result.message, options.language, texts, "\n");
        std::fprintf(stderr, "%s\n", message.c_str());
        return kExitRefused;
    }
    return kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return Run(arguments);
}
