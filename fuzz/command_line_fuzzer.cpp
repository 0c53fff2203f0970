// Fuzzes the command line of tembrel-cli. Input: the arguments, each ended by a
// NUL byte (as the kernel hands them over, so that any argument, the empty one
// included, can be written), then the text standard input holds for --batch.
// Properties: options that parse never pair --batch with --first; the month subcommand
// prints its grid or a message saying what is wrong; the all subcommand prints one
// line per notation, each of whose dates reads back as the same day, or the
// date's refusal; otherwise the standard input
// goes through the batch path (an in-memory stream), which writes exactly one
// line per input line (after the header line in TSV; a JSON object in JSON) and
// numbers its refusals by input line, and the three fields of the command line
// computed once leave whole report lines.
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/all_command.h"
#include "cli/batch.h"
#include "cli/cli_options.h"
#include "cli/cli_request.h"
#include "cli/cli_working_days.h"
#include "cli/holidays_command.h"
#include "cli/month_command.h"
#include "compute/compute.h"
#include "core/notation.h"
#include "core/today.h"
#include "fuzz/date_fuzz_support.h"
#include "text/program_text.h"

namespace {

// Reports name weekdays and "today": the same answer for every run.
constexpr int32_t kToday = 2454541;  // 15 March 2008

using namespace tembrel;
using namespace tembrel::cli;
using tembrel::fuzz::Require;

// The program texts of the shipped data file, loaded once.
ProgramTexts& Texts() {
    static ProgramTexts* texts = [] {
        auto* loaded = new ProgramTexts;
        const ProgramTextLoad load = loaded->LoadProgramTextFrom(TEMBREL_DATA_FILE);
        Require(load.ok(), "the language data file loads", load.message);
        loaded->SetStartUpCompleted(true);
        return loaded;
    }();
    return *texts;
}

// Returns the working days the options choose, without the user's files (the
// fuzzer opens no files the input names); the last ones built are kept, since
// building takes milliseconds. Null when they cannot be built or are the
// default.
const holidays::WorkingDays* WorkingDaysOf(const CliOptions& options) {
    static holidays::WorkingDaysChoice lastChoice;
    static CliWorkingDays last;
    holidays::WorkingDaysChoice choice = options.workingDays;
    choice.holidayFiles.clear();
    choice.workdayFiles.clear();
    if (!(choice == lastChoice)) {
        last = BuildCliWorkingDays(choice, TEMBREL_HOLIDAY_DATA_FILE);
        lastChoice = choice;
        Require(last.workingDays != nullptr || last.exitCode == 2 || choice.IsDefault(),
                "working days are built or refused as a usage error", last.error);
    }
    return last.workingDays.get();
}

// Splits the input into the arguments (each ended by NUL) and the rest.
std::vector<std::string> TakeArguments(std::string_view& input) {
    std::vector<std::string> arguments;
    for (size_t end = input.find('\0'); end != std::string_view::npos; end = input.find('\0')) {
        arguments.emplace_back(input.substr(0, end));
        input.remove_prefix(end + 1);
    }
    return arguments;
}

// Returns the number of lines the batch path must answer: every LF ends one, and
// a last line without a line end counts.
size_t LineCount(std::string_view text) {
    const auto ends = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    return ends + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// Runs the batch path over `input` and returns what it wrote.
std::string RunBatchOver(std::string_view input, const CliOptions& options,
                         const holidays::WorkingDays* workingDays,
                         std::vector<std::string>& errors) {
    std::string inputCopy(input);
    // A stream over no bytes at all is allowed (glibc 2.22 and later).
    FILE* in = fmemopen(inputCopy.data(), inputCopy.size(), "r");
    char* written = nullptr;
    size_t writtenSize = 0;
    FILE* out = open_memstream(&written, &writtenSize);
    Require(in != nullptr && out != nullptr, "the in-memory streams open", input);
    errors = RunBatch(in, out, options, Texts(), kToday, 2, workingDays);
    fclose(in);
    fclose(out);
    std::string output(written, writtenSize);
    free(written);
    return output;
}

// A subcommand prints its output alone, or refuses with a usage error that says
// why and prints nothing else.
void CheckSubcommand(const SubcommandResult& result, std::string_view input) {
    if (result.exitCode == 0) {
        Require(result.err.empty(), "a subcommand prints its output alone", input);
    } else {
        Require(result.exitCode == 2 && result.out.empty(), "a refused subcommand prints nothing",
                input);
        // The message quotes the argument as given, line ends and all.
        Require(result.err.starts_with("tembrel-cli: ") && result.err.ends_with("\n"),
                "a refused subcommand says why", input);
    }
}

void CheckMonthCommand(const CliOptions& options, const holidays::WorkingDays* holidays,
                       std::string_view input) {
    const SubcommandResult result = MonthCommandOutput(options, holidays);
    Require(result.exitCode != 0 || !result.out.empty(), "a month prints its grid", input);
    CheckSubcommand(result, input);
}

void CheckAllCommand(const CliOptions& options, std::string_view input) {
    const AllCommandResult result = AllCommandOutput(options, Texts());
    if (result.exitCode != 0) {
        Require(result.exitCode == 1 && result.out.empty() && result.err.ends_with("\n"),
                "a refused date prints its message alone", input);
        return;
    }
    const NotationOptions notation = RequestFor(options, kToday).notation;
    std::optional<int32_t> day;
    size_t lines = 0;
    for (size_t start = 0; start < result.out.size(); ++lines) {
        const size_t end = result.out.find('\n', start);
        const std::string_view line = std::string_view(result.out).substr(start, end - start);
        start = end + 1;
        const size_t tab = line.find('\t');
        const size_t secondTab = line.find('\t', tab + 1);
        Require(tab != std::string_view::npos && secondTab != std::string_view::npos,
                "a line holds code, date and name", line);
        const std::optional<CalendarCode> cal = CalendarCodeFromText(line.substr(0, tab));
        const std::string_view text = line.substr(tab + 1, secondTab - tab - 1);
        Require(cal.has_value(), "a line starts with a code", line);
        if (text.empty()) {
            continue;  // no date in this notation
        }
        const ParsedDay read = ParseInNotation(text, *cal, notation);
        Require(read.ok() && (!day || read.jdn == *day), "every line names the same day", line);
        day = read.jdn;
    }
    Require(lines == ListedNotations().size() && day.has_value(),
            "one line per notation, most with a date", input);
}

void CheckBatch(std::string_view stdinText, const CliOptions& options,
                const holidays::WorkingDays* workingDays) {
    std::vector<std::string> errors;
    const std::string output = RunBatchOver(stdinText, options, workingDays, errors);
    const size_t lines = LineCount(stdinText);
    const size_t header = options.format == OutputFormat::Tsv ? 1 : 0;
    Require(LineCount(output) == lines + header && (output.empty() || output.back() == '\n'),
            "the batch path writes one line per input line", output);
    if (options.format == OutputFormat::Json) {
        for (size_t start = 0; start < output.size(); start = output.find('\n', start) + 1) {
            const std::string_view line =
                std::string_view(output).substr(start, output.find('\n', start) - start);
            Require(line.starts_with(R"({"line":)") && line.ends_with("}"),
                    "each line is one JSON object", line);
        }
    }
    size_t lastLine = 0;
    for (const std::string& error : errors) {
        Require(error.starts_with("line "), "a refusal names its line", error);
        const size_t number = std::strtoull(error.c_str() + 5, nullptr, 10);
        Require(number >= 1 && number <= lines && number >= lastLine,
                "refusals name input lines in order", error);
        lastLine = number;
    }
}

void CheckOneComputation(const CliOptions& options, const holidays::WorkingDays* workingDays) {
    const ComputeResult result = Compute(RequestFor(options, kToday, workingDays));
    const std::string_view output = result.output;
    Require(output.empty() || output.ends_with("\n"), "a computation leaves whole lines", output);
    Require(!output.empty() || result.message != ComputeMessage::None ||
                result.kind == ComputeKind::None,
            "a computation without a message reports", output);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = fuzz::AsText(data, size);
    const std::vector<std::string> arguments = TakeArguments(input);
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    const CliOptions& options = parsed.options;
    if (!parsed.error.empty()) {
        return 0;
    }
    Require(!(options.batch && !options.first.empty()), "--batch never goes with --first",
            fuzz::AsText(data, size));
    if (options.help || options.version) {
        return 0;
    }
    Texts().SetProgramTextLanguage(options.language);
    const holidays::WorkingDays* workingDays = WorkingDaysOf(options);
    if (options.monthCommand) {
        CheckMonthCommand(options, workingDays, fuzz::AsText(data, size));
        return 0;
    }
    if (options.holidaysCommand) {
        if (workingDays != nullptr) {
            CheckSubcommand(HolidaysCommandOutput(options, *workingDays), fuzz::AsText(data, size));
        }
        return 0;
    }
    if (options.allCommand) {
        CheckAllCommand(options, fuzz::AsText(data, size));
        return 0;
    }
    CheckBatch(input, options, workingDays);
    CheckOneComputation(options, workingDays);
    return 0;
}
