// The main window's saved state: reading the user settings file over the
// defaults at start-up, and collecting and writing it at exit.
#include "settings/settings_file.h"
#include "settings/settings_values.h"
#include "settings/window_places.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"
#include "ui/model/option_bindings.h"

namespace tembrel {

namespace {

using C = MainWindowControl;

int16_t CodeOf(std::string_view separator) {
    return static_cast<int16_t>(SeparatorSetting(separator));
}

}  // namespace

void MainForm::ReadUserSettings() {
    ReadSavedSettings();
    ReadWorkingDaysSettings();
}

void MainForm::ReadSavedSettings() {
    const SettingsReadResult read = ReadSettingsFile(window.strUserSettingsFile);
    if (read.status == SettingsReadStatus::Missing || read.status == SettingsReadStatus::Damaged) {
        SetDefaultSettings();
        return;
    }
    const UserSettings& saved = read.settings;
    form.intLanguage = LanguageFromSetting(saved.language);
    window.intTodayCal = TodayCalendarFromSetting(saved.todayCalendar);

    // Check boxes first, while the fields are still empty: clearing the hyphen
    // rewrites nothing that is about to be restored.
    SetCheckBox(C::chkIncludeFirstDate, CheckFromSetting(saved.chkIncludeFirstDate));
    SetCheckBox(C::chkIncludeWeekends, CheckFromSetting(saved.chkIncludeWeekends));
    SetCheckBox(C::chkVerbose, CheckFromSetting(saved.chkVerbose));
    SetCheckBox(C::chkHyphen, CheckFromSetting(saved.chkHyphen));
    SetCheckBox(C::chkSaveOutput, CheckFromSetting(saved.chkSaveOutput));

    MonthWindowModel& month = MonthWindow();
    month.ApplyFirstDayOfWeekSetting(saved.monthFirstDayOfWeek);
    month.ApplyCalendarSetting(saved.monthCalendar);

    form.txbFirstDate = TextBoxState{saved.firstDate};
    form.txbDateDiff = TextBoxState{saved.dateDiff};
    form.txbSecondDate = TextBoxState{saved.secondDate};
    form.txbOutput = TextBoxState{saved.output};
    form.txbOutput.CaretToEnd();

    // A date order or separator other than the default empties the three
    // fields just restored, as the user's own choice would; the output stays.
    SelectOption(OptionOf(OptionGroup::DateOrder,
                          static_cast<int16_t>(DateOrderFromSetting(saved.dateOrder))));
    SelectOption(OptionOf(OptionGroup::DateSeparator,
                          CodeOf(DateSeparatorFromSetting(saved.dateSeparator))));
    SelectOption(OptionOf(OptionGroup::ThousandsSeparator,
                          CodeOf(ThousandsSeparatorFromSetting(saved.thousandsSeparator))));

    // During start-up a calendar option only trims its field and records the
    // calendar the restored text is written in.
    SelectOption(OptionOf(OptionGroup::FirstCalendar,
                          static_cast<int16_t>(FieldCalendarFromSetting(saved.firstDateCalendar))));
    SelectOption(
        OptionOf(OptionGroup::SecondCalendar,
                 static_cast<int16_t>(FieldCalendarFromSetting(saved.secondDateCalendar))));

    SelectOption(MonthsFromSetting(saved.differenceUnit) ? C::optMonths : C::optDays);
}

UserSettings MainForm::CurrentUserSettings() {
    UserSettings settings;
    settings.language = static_cast<int32_t>(form.intLanguage);
    settings.dateOrder = static_cast<int32_t>(UsersDateFormat(form));
    settings.dateSeparator = SeparatorSetting(form.separators.strDateSep);
    settings.thousandsSeparator = SeparatorSetting(form.separators.strThousSep);
    settings.todayCalendar = static_cast<int32_t>(window.intTodayCal);
    settings.firstDateCalendar = static_cast<int32_t>(GetCal(form, DateField::First));
    settings.secondDateCalendar = static_cast<int32_t>(GetCal(form, DateField::Second));
    settings.chkIncludeFirstDate = form.chkIncludeFirstDate;
    settings.chkIncludeWeekends = form.chkIncludeWeekends;
    settings.chkVerbose = form.chkVerbose;
    settings.chkHyphen = form.chkHyphen;
    settings.chkSaveOutput = form.chkSaveOutput;
    const MonthWindowModel& month = MonthWindow();
    settings.monthFirstDayOfWeek = month.FirstDayOfWeekSetting();
    settings.monthCalendar = month.CalendarSetting();
    if (form.chkSaveOutput) {
        settings.firstDate = form.txbFirstDate.text;
        settings.dateDiff = form.txbDateDiff.text;
        settings.secondDate = form.txbSecondDate.text;
        settings.output = form.txbOutput.text;
    }
    settings.differenceUnit = form.optMonths ? 1 : 0;
    return settings;
}

bool MainForm::WriteUserSettings() {
    return WriteSettingsFile(window.strUserSettingsFile, CurrentUserSettings());
}

void MainForm::cmdQuit_Click() {
    // A file that cannot be written (no per-user folder, a read-only folder, a
    // full disk) is not worth a message on the way out: the former file stays.
    WriteUserSettings();
    WriteWorkingDaysSettings();
    if (allCalendars_ && allCalendars_->form.placed) {
        WriteWindowPlace(window.strWindowPlacesFile, kAllCalendarsPlaceName,
                         allCalendars_->PlaceToSave());
    }
}

}  // namespace tembrel
