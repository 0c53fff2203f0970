// The command line of tembrel-cli: what it is asked to compute and with which
// options.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar_codes.h"
#include "holidays/working_days_choice.h"
#include "text/language.h"

namespace tembrel::cli {

// What the computations are printed as: the report lines, one JSON object per
// computation (JSON Lines), or tab-separated values under a header line.
enum class OutputFormat : uint8_t { Text, Json, Tsv };

struct CliOptions {
    std::string first;   // first date field
    std::string diff;    // date difference field
    std::string second;  // second date field
    CalendarCode firstCal = CalendarCode::CE;
    CalendarCode secondCal = CalendarCode::CE;
    bool months = false;
    bool includeFirst = false;
    bool weekdaysOnly = false;
    bool terse = false;
    bool noHyphen = false;
    DateOrder order = DateOrder::YMD;
    std::string dateSep = "-";
    std::string thousSep = ",";
    LanguageCode language = LanguageCode::English;
    OutputFormat format = OutputFormat::Text;
    bool batch = false;  // --batch or "-": the first dates come from standard input
    bool help = false;
    bool version = false;
    std::optional<std::string> today;  // YYYY-MM-DD: a fixed today, for reproducible runs
    // --weekend, --holidays, --holidays-file, --workdays-file: the working days
    // of --weekdays-only (and the holidays the month subcommand marks).
    holidays::WorkingDaysChoice workingDays;

    // The month subcommand.
    bool monthCommand = false;
    std::string monthYear;
    std::string monthMonth;
    bool monday = false;
    bool julian = false;
    bool iso = false;
    bool withYear = false;

    // The holidays subcommand: REGION[,REGION...] YEAR.
    bool holidaysCommand = false;
    std::string holidaysYear;
    // The all subcommand: DATE in the notation of firstCal.
    bool allCommand = false;
    std::string allDate;
};

// The outcome of reading the command line: the options, or the reason they are
// not usable.
struct ParsedCommandLine {
    CliOptions options;
    std::string error;  // empty when the command line is usable
};

// Reads the arguments after the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Returns the usage text.
std::string UsageText();

}  // namespace tembrel::cli
