#include "cli/all_command.h"

#include <optional>
#include <string_view>

#include "cli/calendar_option.h"
#include "cli/cli_request.h"
#include "cli/format_options.h"
#include "compute/compute_messages.h"
#include "compute/every_notation.h"
#include "core/string_utils.h"
#include "text/notation_names.h"

namespace tembrel::cli {

void ParseAllCommand(const std::vector<std::string>& arguments, size_t next,
                     ParsedCommandLine& parsed) {
    CliOptions& options = parsed.options;
    options.allCommand = true;
    std::vector<std::string> positional;
    for (size_t i = next; i < arguments.size() && parsed.error.empty(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (name.starts_with("--") && name.find('=') != std::string::npos) {
            value = name.substr(name.find('=') + 1);
            name.resize(name.find('='));
        }
        const bool takesValue = name == "--first-cal" || IsFormatOption(name);
        if (takesValue && !value) {
            if (i + 1 >= arguments.size()) {
                parsed.error = name + " needs a value";
                return;
            }
            value = arguments[++i];
        }
        if (name == "--first-cal") {
            const std::optional<CalendarCode> cal = CalendarOption(*value);
            if (!cal) {
                parsed.error = CalendarRefusal(name);
            } else {
                options.firstCal = *cal;
            }
        } else if (takesValue) {
            parsed.error = ReadFormatOption(name, *value, options);
        } else if ((name == "--help" || name == "-h") && !value) {
            options.help = true;
        } else if (name == "--no-hyphen" && !value) {
            options.noHyphen = true;
        } else if (name.size() > 1 && name.front() == '-' && (name[1] < '0' || name[1] > '9')) {
            // A date may start with "-" and a digit (a negative year); an option
            // never does.
            parsed.error = "unknown option for all: " + arguments[i];
        } else {
            positional.push_back(arguments[i]);
        }
    }
    if (!parsed.error.empty() || options.help) {
        return;
    }
    if (positional.size() != 1) {
        parsed.error =
            "all needs one DATE, such as 2008-01-15 or, with --first-cal HEB, 5768-11-08";
        return;
    }
    options.allDate = positional.front();
}

AllCommandResult AllCommandOutput(const CliOptions& options, const ProgramTexts& texts) {
    const NotationOptions notation = RequestFor(options, 0).notation;
    const ParsedDay day = ParseInNotation(TrimSpaces(options.allDate), options.firstCal, notation);
    if (!day.ok()) {
        const ComputeMessage message = day.status == ParseStatus::OutOfRange
                                           ? ComputeMessage::FirstDateOutOfRange
                                           : ComputeMessage::FirstDateInvalid;
        return {1, {}, MessageText(message, options.language, texts, "\n") + "\n"};
    }
    AllCommandResult result;
    for (const NotationText& row : DayInEveryNotation(day.jdn, notation)) {
        result.out.append(CalCodeText(row.code))
            .append(1, '\t')
            .append(row.text)
            .append(1, '\t')
            .append(NotationName(row.code, options.language))
            .append(1, '\n');
    }
    return result;
}

}  // namespace tembrel::cli
