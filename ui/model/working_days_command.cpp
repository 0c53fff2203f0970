// The working days of the window: the button beside chkIncludeWeekends and its
// dialog, the captions that show the choice, and the file that keeps it.
#include <filesystem>

#include "compute/working_days_note.h"
#include "core/string_utils.h"
#include "holidays/holiday_data_file.h"
#include "settings/working_days_file.h"
#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"
#include "ui/model/working_days_dialog.h"

namespace tembrel {

namespace {

using C = MainWindowControl;

// The most characters the check box shows of the holidays' sources; a longer
// list ends in "…", the tooltip gives it whole.
constexpr size_t kMaxSourceChars = 20;

holidays::NameLanguage NamesIn(LanguageCode language) {
    return language == LanguageCode::German ? holidays::NameLanguage::German
                                            : holidays::NameLanguage::English;
}

// Returns the sources separated by commas, cut to kMaxSourceChars characters.
std::string ShortSourceList(const std::vector<std::string>& sources) {
    std::string list;
    for (const std::string& source : sources) {
        list += list.empty() ? "" : ", ";
        list += source;
    }
    size_t chars = 0;
    for (size_t byte = 0; byte < list.size(); ++byte) {
        if ((static_cast<unsigned char>(list[byte]) & 0xC0) == 0x80) {
            continue;
        }
        if (++chars == kMaxSourceChars) {
            list.resize(byte);
            return list + "\xE2\x80\xA6";
        }
    }
    return list;
}

}  // namespace

const holidays::HolidayData* MainForm::HolidayRules() {
    if (!rulesRead_) {
        rulesRead_ = true;
        rules_ = holidays::LoadHolidayData(services_.HolidayRuleFile(), rulesError_);
    }
    return rules_ ? &*rules_ : nullptr;
}

std::string MainForm::RuleFileError() const {
    return holidays::DescribeFileError(rulesError_, NamesIn(form.intLanguage));
}

std::shared_ptr<const holidays::WorkingDays> MainForm::BuildWorkingDays(
    const holidays::WorkingDaysChoice& choice, std::string& message) {
    // The rule file is read only when a region asks for it.
    const holidays::HolidayData* rules = choice.regions.empty() ? nullptr : HolidayRules();
    if (!choice.regions.empty() && rules == nullptr) {
        message = RuleFileError();
        return nullptr;
    }
    holidays::SetupError error;
    std::shared_ptr<const holidays::WorkingDays> built = holidays::BuildWorkingDays(
        choice, rules != nullptr ? *rules : holidays::HolidayData(), error);
    if (!built) {
        message = holidays::DescribeSetupError(error, NamesIn(form.intLanguage));
    }
    return built;
}

void MainForm::cmdWorkingDays_Click() {
    const holidays::HolidayData* rules = HolidayRules();
    if (rules == nullptr) {
        // The dialog offers no region then; the user learns why first.
        dialogs_.ShowMessage(RuleFileError(), Text(TextItem::Error) + "!", MessageIcon::None);
    }
    WorkingDaysDialogModel dialog(
        form.workingDaysChoice, rules, form.intLanguage, dialogs_,
        [this](const holidays::WorkingDaysChoice& choice, std::string& message) {
            return BuildWorkingDays(choice, message);
        });
    dialogs_.ShowWorkingDays(dialog);
    if (dialog.form.accepted) {
        form.workingDaysChoice = dialog.Choice();
        form.workingDays = dialog.Built();
        SetWorkingDaysCaptions();
        MonthWindow().RedrawHolidayMarks();
    }
    SetTheFocus(form);
}

void MainForm::SetWorkingDaysCaptions() {
    const holidays::WorkingDays* days = form.workingDays.get();
    SetCaption(C::cmdWorkingDays, Text(TextItem::WorkingDaysEllipsis));
    window.tooltips[static_cast<size_t>(Index(C::cmdWorkingDays))] =
        Text(TextItem::WeekendHolidaysAndYourOwnDaysOff);
    std::string caption = Text(TextItem::CountWeekendDaysInDaysBetweenDates);
    std::string tooltip;
    if (days != nullptr && !days->holidaySources.empty()) {
        caption = Text(TextItem::CountWeekendDaysAndHolidays);
        caption.replace(caption.find("%1"), 2, ShortSourceList(days->holidaySources));
    }
    if (days != nullptr && !days->IsDefault()) {
        // The note a count gets, as a sentence: what the check box leaves out.
        TextAppender out(tooltip);
        AppendWorkingDaysNote(out, *days, form.intLanguage);
    }
    if (!tooltip.empty() && tooltip.front() >= 'a' && tooltip.front() <= 'z') {
        tooltip.front() = static_cast<char>(tooltip.front() - 'a' + 'A');
    }
    SetCaption(C::chkIncludeWeekends, std::move(caption));
    window.tooltips[static_cast<size_t>(Index(C::chkIncludeWeekends))] = std::move(tooltip);
}

std::filesystem::path MainForm::WorkingDaysFile() const {
    if (window.strUserSettingsFile.empty()) {
        return {};
    }
    return window.strUserSettingsFile.parent_path() / kWorkingDaysFileName;
}

void MainForm::ReadWorkingDaysSettings() {
    form.workingDaysChoice = ReadWorkingDaysFile(WorkingDaysFile()).choice;
    window.workingDaysMessage.clear();
    std::string message;
    form.workingDays = BuildWorkingDays(form.workingDaysChoice, message);
    if (!form.workingDays) {
        window.workingDaysMessage = Text(TextItem::TheWorkingDaysCannotBeUsed) + "\r\n" + message +
                                    "\r\n" + Text(TextItem::OnlyTheWeekendIsNotCounted);
        holidays::WorkingDaysChoice weekendOnly;
        weekendOnly.weekend = form.workingDaysChoice.weekend;
        form.workingDays = BuildWorkingDays(weekendOnly, message);
    }
    SetWorkingDaysCaptions();
}

bool MainForm::WriteWorkingDaysSettings() {
    return WriteWorkingDaysFile(WorkingDaysFile(), form.workingDaysChoice);
}

}  // namespace tembrel
