#include "ui/model/main_form.h"

#include <algorithm>
#include <optional>

#include "compute/compute_messages.h"
#include "core/date_formatting.h"
#include "text/program_text_numbers.h"
#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_layout.h"
#include "ui/model/option_bindings.h"

namespace tembrel {

namespace {

using C = MainWindowControl;

// The number the thousands separator options show.
constexpr int32_t kThousandsSample = 2000000;

// Returns the field of the form state a check box holds its value in, or nullptr.
bool MainFormState::*CheckBoxField(MainWindowControl id) {
    switch (id) {
        case C::chkIncludeFirstDate:
            return &MainFormState::chkIncludeFirstDate;
        case C::chkIncludeWeekends:
            return &MainFormState::chkIncludeWeekends;
        case C::chkVerbose:
            return &MainFormState::chkVerbose;
        case C::chkHyphen:
            return &MainFormState::chkHyphen;
        case C::chkSaveOutput:
            return &MainFormState::chkSaveOutput;
        default:
            return nullptr;
    }
}

// Returns the value of an option group as the bindings write it.
int16_t GroupValue(const MainFormState& form, OptionGroup group) {
    switch (group) {
        case OptionGroup::DateOrder:
            return static_cast<int16_t>(form.dateOrder);
        case OptionGroup::DateSeparator:
            return form.separators.strDateSep.empty()
                       ? int16_t{0}
                       : static_cast<int16_t>(form.separators.strDateSep.front());
        case OptionGroup::ThousandsSeparator:
            return form.separators.strThousSep.empty()
                       ? int16_t{0}
                       : static_cast<int16_t>(form.separators.strThousSep.front());
        case OptionGroup::DifferenceUnit:
            return form.optMonths ? 1 : 0;
        case OptionGroup::FirstCalendar:
            return static_cast<int16_t>(form.firstDateCalendar);
        case OptionGroup::SecondCalendar:
            return static_cast<int16_t>(form.secondDateCalendar);
    }
    return -1;
}

}  // namespace

std::string VersionText(const ProgramVersion& version) {
    return std::string(version.text);
}

namespace {

// The services of a form that was given none.
DesktopServices& NoServices() {
    static NoDesktopServices none;
    return none;
}

}  // namespace

MainForm::MainForm(ProgramTexts& texts, UserDialogs& dialogs, Clipboard& clipboard,
                   ProgramVersion version, DesktopServices* services)
    : texts_(texts),
      dialogs_(dialogs),
      clipboard_(clipboard),
      version_(version),
      services_(services != nullptr ? *services : NoServices()) {
    // The design captions: the fixed texts, and the language-dependent ones in
    // English until the start-up sets them in the saved language.
    SetCaption(C::lblCopyright, std::string(kCopyrightNotice));
    SetCaption(C::lblNorvaneSystems, std::string(kMakerName));
    SetCaption(C::optThousSepIsComma, FormatWholeNumber(kThousandsSample, ","));
    SetCaption(C::optThousSepIsDot, FormatWholeNumber(kThousandsSample, "."));
    SetSeparatorCaptions();
    SetLanguageDependentText();
}

MainForm::~MainForm() = default;

MonthWindowModel& MainForm::MonthWindow() {
    if (!monthWindow_) {
        monthWindow_ = std::make_unique<MonthWindowModel>(SecondaryWindowContext());
    }
    return *monthWindow_;
}

AllCalendarsModel& MainForm::AllCalendars() {
    if (!allCalendars_) {
        allCalendars_ = std::make_unique<AllCalendarsModel>(SecondaryWindowContext());
        const std::optional<SavedWindowPlace> saved =
            ReadWindowPlace(window.strWindowPlacesFile, kAllCalendarsPlaceName);
        if (saved) {
            allCalendars_->RestorePlace(*saved);
        }
    }
    return *allCalendars_;
}

WindowContext MainForm::SecondaryWindowContext() {
    return WindowContext{form, texts_, dialogs_, clipboard_};
}

std::string MainForm::Text(TextItem item) const {
    return std::string(T(item, form.intLanguage));
}

void MainForm::SetCaption(MainWindowControl id, std::string caption) {
    window.captions[static_cast<size_t>(Index(id))] = std::move(caption);
}

const std::string& MainForm::Caption(MainWindowControl id) const {
    return window.captions[static_cast<size_t>(Index(id))];
}

const std::string& MainForm::Tooltip(MainWindowControl id) const {
    return window.tooltips[static_cast<size_t>(Index(id))];
}

bool MainForm::IsVisible(MainWindowControl id) const {
    if (id == C::chkIncludeFirstDate || id == C::chkIncludeWeekends || id == C::cmdWorkingDays) {
        return window.countingOptionsVisible;
    }
    return true;
}

ControlPlace MainForm::PlaceOf(MainWindowControl id) const {
    const MainControlEntry* entry = MainControlOf(id);
    if (entry == nullptr) {
        return ControlPlace{0, 0, kMainClientWidth, kMainClientHeight};
    }
    ControlPlace place = entry->place;
    if (id == C::cmdCopyOutput) {
        place.width = window.cmdCopyOutputWidth;
    } else if (id == C::chkSaveOutput) {
        place.left = window.chkSaveOutputLeft;
    }
    return place;
}

bool MainForm::IsSelected(MainWindowControl option) const {
    const OptionBinding* binding = OptionBindingOf(option);
    return binding != nullptr && GroupValue(form, binding->group) == binding->value;
}

int16_t MainForm::CheckValue(MainWindowControl checkBox) const {
    bool MainFormState::*field = CheckBoxField(checkBox);
    return field != nullptr && form.*field ? int16_t{1} : int16_t{0};
}

TextBoxState* MainForm::TextBox(MainWindowControl id) {
    switch (id) {
        case C::txbFirstDate:
            return &form.txbFirstDate;
        case C::txbDateDiff:
            return &form.txbDateDiff;
        case C::txbSecondDate:
            return &form.txbSecondDate;
        case C::txbOutput:
            return &form.txbOutput;
        default:
            return nullptr;
    }
}

void MainForm::RunOptionHandler(MainWindowControl id) {
    const OptionBinding* binding = OptionBindingOf(id);
    if (binding == nullptr) {
        return;
    }
    const int16_t value = binding->value;
    switch (binding->group) {
        case OptionGroup::DateOrder:
            optDateFormat_Click(static_cast<DateOrder>(value));
            break;
        case OptionGroup::DateSeparator:
            optSeparator_Click(std::string(1, static_cast<char>(value)));
            break;
        case OptionGroup::ThousandsSeparator:
            optThousSep_Click(value == 0 ? std::string()
                                         : std::string(1, static_cast<char>(value)));
            break;
        case OptionGroup::DifferenceUnit:
            if (value == 0) {
                optDays_Click();
            } else {
                optMonths_Click();
            }
            break;
        case OptionGroup::FirstCalendar:
            CalendarOption_Click(DateField::First, static_cast<CalendarCode>(value));
            break;
        case OptionGroup::SecondCalendar:
            CalendarOption_Click(DateField::Second, static_cast<CalendarCode>(value));
            break;
    }
    if (allCalendars_) {
        allCalendars_->FollowFormatOptions();
    }
}

void MainForm::Click(MainWindowControl id) {
    if (OptionBindingOf(id) != nullptr) {
        RunOptionHandler(id);
        return;
    }
    switch (id) {
        case C::cmdCompute:
            cmdCompute_Click();
            break;
        case C::cmdToday0:
            cmdToday_Click(0);
            break;
        case C::cmdToday1:
            cmdToday_Click(1);
            break;
        case C::cmdClearFirstDate:
            cmdClearFirstDate_Click();
            break;
        case C::cmdClearDateDiff:
            cmdClearDateDiff_Click();
            break;
        case C::cmdClearSecondDate:
            cmdClearSecondDate_Click();
            break;
        case C::cmdMoveSecondDateToFirst:
            cmdMoveSecondDateToFirst_Click();
            break;
        case C::cmdClearOutputWindow:
            cmdClearOutputWindow_Click();
            break;
        case C::cmdCopyOutput:
            cmdCopyOutput_Click();
            break;
        case C::lblCopyright:
            lblCopyright_Click();
            break;
        case C::lblNorvaneSystems:
            lblNorvaneSystems_Click();
            break;
        case C::lblOnlineDocumentation:
            lblOnlineDocumentation_Click();
            break;
        case C::cmdReset:
            cmdReset_Click();
            break;
        case C::cmdWorkingDays:
            cmdWorkingDays_Click();
            break;
        case C::cmdQuit:
            cmdQuit_Click();
            break;
        default:
            break;
    }
}

void MainForm::CheckBoxClicked(MainWindowControl id, int16_t value) {
    bool MainFormState::*field = CheckBoxField(id);
    if (field == nullptr) {
        return;
    }
    form.*field = value != 0;
    if (id == C::chkHyphen) {
        chkHyphen_Click();
        if (allCalendars_) {
            allCalendars_->FollowFormatOptions();
        }
    } else {
        // The other check boxes are read when they are needed.
        SetTheFocus(form);
    }
}

void MainForm::SelectOption(MainWindowControl id) {
    if (!IsSelected(id)) {
        RunOptionHandler(id);
    }
}

void MainForm::SetCheckBox(MainWindowControl id, int16_t value) {
    if (CheckBoxField(id) != nullptr && CheckValue(id) != value) {
        CheckBoxClicked(id, value);
    }
}

void MainForm::ClearDateFields() {
    for (TextBoxState* box : {&form.txbFirstDate, &form.txbSecondDate, &form.txbDateDiff}) {
        box->text.clear();
        box->selStart = 0;
        box->selLength = 0;
    }
    if (form.blnStartUpCompleted) {
        form.focus = MainControl::txbFirstDate;
    }
}

void MainForm::ClearInputField(TextBoxState& box) {
    box.text.clear();
    box.selStart = 0;
    box.selLength = 0;
    SetTheFocus(form);
}

void MainForm::cmdClearFirstDate_Click() {
    ClearInputField(form.txbFirstDate);
}

void MainForm::cmdClearDateDiff_Click() {
    ClearInputField(form.txbDateDiff);
}

void MainForm::cmdClearSecondDate_Click() {
    ClearInputField(form.txbSecondDate);
}

void MainForm::lblCopyright_Click() {
    dialogs_.ShowMessage(kCopyrightDateStamp, texts_.ProgramText(program_text::kProductName),
                         MessageIcon::None);
}

void MainForm::ShowErrorMessage(int number) {
    dialogs_.ShowMessage(ComputeMsg(number, form.intLanguage), Text(TextItem::Error) + "!",
                         MessageIcon::None);
}

void MainForm::FocusOn(MainControl control) {
    TextBoxState* box = TextBox(ControlOfFocus(control));
    if (box != nullptr) {
        box->CaretToEnd();
    }
    form.focus = control;
}

}  // namespace tembrel
