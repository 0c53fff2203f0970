#include "cli/cli_session.h"

#include "compute/compute_messages.h"

namespace tembrel::cli {

std::string ToUnixLineEnds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    size_t position = 0;
    while (position < text.size()) {
        const size_t lineEnd = text.find("\r\n", position);
        if (lineEnd == std::string_view::npos) {
            result.append(text.substr(position));
            break;
        }
        result.append(text.substr(position, lineEnd - position));
        result.push_back('\n');
        position = lineEnd + 2;
    }
    return result;
}

void CollectingDialogs::ShowMessage(std::string_view prompt, std::string_view, MessageIcon) {
    messages.push_back(ToUnixLineEnds(prompt));
}

void CollectingDialogs::ShowClearOneTextBox(ClearOneFieldDialog& dialog) {
    messages.push_back(ToUnixLineEnds(ComputeMsg(kMsgDifferenceMustBeEmpty, form_.intLanguage)));
    dialog.choice = ClearChoice::Cancel;
}

bool CollectingDialogs::AskYesNo(std::string_view, std::string_view) {
    return false;
}

CliSession::CliSession(const CliOptions& options, const ProgramTexts& texts)
    : options_(options), dialogs_(form_), computation_(form_, dialogs_, texts, clearDialog_) {
    ApplyOptions();
    form_.blnStartUpCompleted = true;
}

void CliSession::ApplyOptions() {
    // The desktop program's first-run defaults, changed by the options.
    form_.firstDateCalendar = options_.firstCal;
    form_.secondDateCalendar = options_.secondCal;
    form_.optMonths = options_.months;
    form_.chkIncludeFirstDate = options_.includeFirst ? 1 : 0;
    form_.chkIncludeWeekends = options_.weekdaysOnly ? 0 : 1;
    form_.chkVerbose = options_.terse ? 0 : 1;
    form_.chkHyphen = options_.noHyphen ? 0 : 1;
    form_.dateOrder = options_.order;
    form_.separators.strDateSep = options_.dateSep;
    form_.separators.strThousSep = options_.thousSep;
    form_.intLanguage = options_.language;
}

bool CliSession::Compute(std::string_view first, std::string_view diff, std::string_view second,
                         std::vector<std::string>& messages) {
    // Compute may change an option (months with two dates switches to days), and
    // each Compute must see the options of the command line.
    ApplyOptions();
    form_.txbFirstDate.text.assign(first);
    form_.txbDateDiff.text.assign(diff);
    form_.txbSecondDate.text.assign(second);
    form_.txbOutput.text.clear();
    dialogs_.messages.clear();
    computation_.cmdCompute_Click();
    const bool accepted = dialogs_.messages.empty();
    for (std::string& message : dialogs_.messages) {
        messages.push_back(std::move(message));
    }
    return accepted;
}

}  // namespace tembrel::cli
