#include "cli/cli_options.h"

#include <functional>
#include <string_view>
#include <utility>

#include "holidays/weekend.h"

#include "cli/all_command.h"
#include "cli/calendar_option.h"
#include "cli/format_options.h"

namespace tembrel::cli {

namespace {

// Reads a value of --weekend, --holidays, --holidays-file or --workdays-file
// into the choice; returns the refusal, or the empty text.
std::string ReadWorkingDaysOption(std::string_view name, const std::string& value,
                                  holidays::WorkingDaysChoice& choice) {
    if (name == "--weekend") {
        const std::optional<holidays::Weekend> weekend = holidays::ParseWeekend(value);
        if (!weekend) {
            return "--weekend takes mon, tue, wed, thu, fri, sat and sun separated by commas, "
                   "or none: '" +
                   value + "'";
        }
        choice.weekend = *weekend;
    } else if (name == "--holidays") {
        const std::optional<std::vector<std::string>> regions = holidays::ParseRegionList(value);
        if (!regions) {
            return "--holidays takes region codes separated by commas, such as DE-BY,AT: '" +
                   value + "'";
        }
        choice.regions.insert(choice.regions.end(), regions->begin(), regions->end());
    } else if (name == "--holidays-file") {
        choice.holidayFiles.push_back(value);
    } else {
        choice.workdayFiles.push_back(value);
    }
    return {};
}

bool IsWorkingDaysOption(std::string_view name) {
    return name == "--weekend" || name == "--holidays" || name == "--holidays-file" ||
           name == "--workdays-file";
}

// Reads the arguments of a subcommand after its name: --lang, --help, the flags
// `readFlag` takes (it returns true for those), --holidays and --holidays-file
// when `takesHolidays` holds, and the positional arguments,
// which are returned. Sets the error on the first argument that is not usable.
std::vector<std::string> ReadSubcommand(const std::vector<std::string>& arguments, size_t next,
                                        const std::string& command, bool takesHolidays,
                                        const std::function<bool(std::string_view)>& readFlag,
                                        ParsedCommandLine& parsed) {
    CliOptions& options = parsed.options;
    std::vector<std::string> positional;
    for (size_t i = next; i < arguments.size() && parsed.error.empty(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const bool holidayOption = argument == "--holidays" || argument == "--holidays-file";
        if (readFlag(argument)) {
            continue;
        }
        if (argument == "--lang" && hasValue) {
            const std::string& value = arguments[++i];
            if (value != "en" && value != "de") {
                parsed.error = "--lang takes en or de";
            }
            options.language = value == "de" ? LanguageCode::German : LanguageCode::English;
        } else if (takesHolidays && holidayOption && hasValue) {
            parsed.error = ReadWorkingDaysOption(argument, arguments[++i], options.workingDays);
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument.size() > 1 && argument.front() == '-' &&
                   (argument[1] < '0' || argument[1] > '9')) {
            parsed.error = "unknown option for " + command + ": " + argument;
        } else {
            positional.push_back(argument);
        }
    }
    return positional;
}

// Reads the options of the month subcommand: YEAR MONTH and its flags.
void ParseMonthCommand(const std::vector<std::string>& arguments, size_t next,
                       ParsedCommandLine& parsed) {
    CliOptions& options = parsed.options;
    options.monthCommand = true;
    const auto readFlag = [&options](std::string_view argument) {
        for (auto [name, flag] : {std::pair{"--monday", &options.monday},
                                  {"--julian", &options.julian},
                                  {"--iso", &options.iso},
                                  {"--with-year", &options.withYear}}) {
            if (argument == name) {
                *flag = true;
                return true;
            }
        }
        return false;
    };
    const std::vector<std::string> positional =
        ReadSubcommand(arguments, next, "month", true, readFlag, parsed);
    if (options.help || !parsed.error.empty()) {
        return;
    }
    if (positional.size() != 2) {
        parsed.error = "month takes a YEAR and a MONTH (1..12)";
        return;
    }
    options.monthYear = positional[0];
    options.monthMonth = positional[1];
}

// Reads the holidays subcommand: REGION[,REGION...] YEAR and --lang.
void ParseHolidaysCommand(const std::vector<std::string>& arguments, size_t next,
                          ParsedCommandLine& parsed) {
    CliOptions& options = parsed.options;
    options.holidaysCommand = true;
    const std::vector<std::string> positional = ReadSubcommand(
        arguments, next, "holidays", false, [](std::string_view) { return false; }, parsed);
    if (options.help || !parsed.error.empty()) {
        return;
    }
    if (positional.size() != 2) {
        parsed.error = "holidays takes a REGION (such as DE-BY) and a YEAR";
        return;
    }
    parsed.error = ReadWorkingDaysOption("--holidays", positional[0], options.workingDays);
    options.holidaysYear = positional[1];
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    CliOptions& options = parsed.options;
    if (!arguments.empty() && arguments.front() == "month") {
        ParseMonthCommand(arguments, 1, parsed);
        return parsed;
    }
    if (!arguments.empty() && arguments.front() == "holidays") {
        ParseHolidaysCommand(arguments, 1, parsed);
        return parsed;
    }
    if (!arguments.empty() && arguments.front() == "all") {
        ParseAllCommand(arguments, 1, parsed);
        return parsed;
    }
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> inlineValue;
        if (name.starts_with("--") && name.find('=') != std::string::npos) {
            inlineValue = name.substr(name.find('=') + 1);
            name = name.substr(0, name.find('='));
        }
        // Returns the option's value, or nothing (with the error set) when it is
        // missing.
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) {
                return inlineValue;
            }
            if (i + 1 >= arguments.size()) {
                parsed.error = name + " needs a value";
                return std::nullopt;
            }
            return arguments[++i];
        };
        auto flag = [&](bool& target) {
            if (inlineValue) {
                parsed.error = name + " takes no value";
                return;
            }
            target = true;
        };
        if (name == "-") {
            options.batch = true;  // standard input, as filters read it
        } else if (name == "-1" || name == "--first") {
            if (auto v = value())
                options.first = *v;
        } else if (name == "-d" || name == "--diff") {
            if (auto v = value())
                options.diff = *v;
        } else if (name == "-2" || name == "--second") {
            if (auto v = value())
                options.second = *v;
        } else if (name == "--first-cal" || name == "--second-cal") {
            if (auto v = value()) {
                const std::optional<CalendarCode> cal = CalendarOption(*v);
                if (!cal) {
                    parsed.error = CalendarRefusal(name);
                } else {
                    (name == "--first-cal" ? options.firstCal : options.secondCal) = *cal;
                }
            }
        } else if (name == "--months") {
            flag(options.months);
        } else if (name == "--include-first") {
            flag(options.includeFirst);
        } else if (name == "--weekdays-only") {
            flag(options.weekdaysOnly);
        } else if (name == "--terse") {
            flag(options.terse);
        } else if (name == "--no-hyphen") {
            flag(options.noHyphen);
        } else if (name == "--batch") {
            flag(options.batch);
        } else if (name == "--help" || name == "-h") {
            flag(options.help);
        } else if (name == "--version") {
            flag(options.version);
        } else if (IsFormatOption(name)) {
            if (auto v = value()) {
                parsed.error = ReadFormatOption(name, *v, options);
            }
        } else if (name == "--format") {
            if (auto v = value()) {
                if (*v == "text") {
                    options.format = OutputFormat::Text;
                } else if (*v == "json") {
                    options.format = OutputFormat::Json;
                } else if (*v == "tsv") {
                    options.format = OutputFormat::Tsv;
                } else {
                    parsed.error = "--format takes text, json or tsv";
                }
            }
        } else if (name == "--today") {
            if (auto v = value())
                options.today = *v;
        } else if (IsWorkingDaysOption(name)) {
            if (auto v = value())
                parsed.error = ReadWorkingDaysOption(name, *v, options.workingDays);
        } else {
            parsed.error = "unknown argument: " + arguments[i];
        }
        if (!parsed.error.empty()) {
            return parsed;
        }
    }
    if (options.batch && !options.first.empty()) {
        parsed.error =
            "--batch and - read the first dates from standard input; do not give --first";
    }
    return parsed;
}

std::string UsageText() {
    // At most 80 columns a line, the width of a terminal. The calendar codes
    // follow "--first-cal CAL" in the option column, 26 columns in.
    constexpr size_t kColumn = 26;
    return R"(Usage: tembrel-cli [OPTIONS] [-]
       tembrel-cli month YEAR MONTH [--monday] [--julian] [--iso]
                        [--with-year] [--lang en|de]
                        [--holidays REGION[,REGION...]] [--holidays-file FILE]
       tembrel-cli holidays REGION[,REGION...] YEAR [--lang en|de]
       tembrel-cli all DATE [--first-cal CAL] [--order ymd|dmy|mdy]
                        [--sep -|/|.] [--thousands ,|.|none] [--no-hyphen]
                        [--lang en|de]

Converts a date, counts the days between two dates, or adds days or months to
a date, and prints the report line. With no date and no difference it reports
today.

  -1, --first TEXT        first date field
  -d, --diff TEXT         date difference field
  -2, --second TEXT       second date field
      --first-cal CAL     )" +
           CalendarCodeLines("(default CE)", 80 - kColumn, 80, kColumn) + R"(
      --second-cal CAL    the same for the second date (default CE)
      --months            the difference counts calendar months (default: days)
      --include-first     include the first date in day counts
      --weekdays-only     count only working days: not the weekend days, nor
                          the holidays of the next options
      --weekend LIST      the days off each week: mon, tue, wed, thu, fri, sat
                          and sun separated by commas, or none (default sat,sun)
      --holidays REGION[,REGION...]
                          the public holidays of these regions are days off
                          too, such as DE-BY or US (the regions: see below)
      --holidays-file FILE
                          your own holidays: a list of dates (yyyy-mm-dd and an
                          optional name a line) or an iCalendar file (.ics)
      --workdays-file FILE
                          extra working days, a list of dates: worked even on
                          the weekend or a holiday (--holidays-file and
                          --workdays-file may be given more than once)
      --terse             verbose off (default: verbose on)
      --no-hyphen         ordinal and ISO week dates without hyphens
      --order ymd|dmy|mdy CE and JC date order (default ymd)
      --sep -|/|.         CE and JC date separator (default -)
      --thousands ,|.|none
                          thousands separator (default ,)
      --lang en|de        words and messages (default en)
      --format text|json|tsv
                          print report lines (default), one JSON object per
                          computation (JSON Lines), or tab-separated values
                          under a header line
      --batch, -          read first-date texts from standard input, one per
                          line; compute each as if typed alone with the other
                          options; one output line per input line
      --today YYYY-MM-DD  take this date as today (for reproducible scripts)
  -h, --help              print this text
      --version           print the version and the data files found

The month subcommand prints the month's grid of weeks (Sunday first unless
--monday; Common Era unless --julian); --iso adds the ISO 8601 week date of
every cell (Common Era weeks from Monday only), --with-year with the year's
last digit. With --holidays or --holidays-file, a * after a day marks a
holiday, and the month's holidays follow the grid, one a line.

The holidays subcommand lists the public holidays of a region in a year, one
a line: the date, the day of the week and the name, separated by tabs.
Regions: DE and its states DE-BW, DE-BY, DE-BE, DE-BB, DE-HB, DE-HH, DE-HE,
DE-MV, DE-NI, DE-NW, DE-RP, DE-SL, DE-SN, DE-ST, DE-SH, DE-TH; AT, CH, FR, IT,
ES, NL, BE, IE; GB (England and Wales), GB-SCT, GB-NIR; US and CA (federal).

The all subcommand prints DATE (in the notation of --first-cal, default CE) in
every notation, one line each: the code, a tab, the date in that notation as the
format options write it (empty where the notation has no date for the day), a
tab and the notation's name.

Exit status: 0 done, 1 a date was refused or a result is out of range (the
message is on standard error), 2 usage error (also a region that does not
exist or a file that cannot be read), 3 the language data file, or the holiday
rule file when regions are asked for, is missing or damaged.
)";
}

}  // namespace tembrel::cli
