// The main window's start-up steps and its default settings.
#include "core/calendar_tables.h"
#include "settings/settings_file.h"
#include "settings/settings_folder.h"
#include "settings/window_places.h"
#include "text/program_text_numbers.h"
#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"
#include "ui/model/option_bindings.h"

namespace tembrel {

using C = MainWindowControl;

void MainForm::SetMainWindowCaption() {
    window.caption = texts_.ProgramText(program_text::kProductName) + " " + VersionText(version_);
}

void MainForm::InitialiseMainWindow() {
    texts_.SetProgramTextLanguage(LanguageCode::English);
    InitCalendarTables(form.separators);
    InitialiseFields();
    SetDefaultSettings();
    FillLanguageList();
    SetCopyButton();
}

void MainForm::InitialiseFields() {
    // Creates the settings folder when it is missing.
    window.strUserSettingsFile =
        UserDataFilePathIn(services_.ConfigFolder(), kSettingsFileName,
                           texts_.ProgramText(program_text::kSettingsFolderName));
    window.strWindowPlacesFile =
        UserDataFilePathIn(services_.ConfigFolder(), kWindowPlacesFileName,
                           texts_.ProgramText(program_text::kSettingsFolderName));
    for (TextBoxState* box :
         {&form.txbFirstDate, &form.txbDateDiff, &form.txbSecondDate, &form.txbOutput}) {
        *box = TextBoxState{};
    }
    SelectOption(C::optFirstDateIsCE);
    SelectOption(C::optSecondDateIsCE);
    window.intMaxInputLength = kMaxInputLength;
}

void MainForm::SetDefaultSettings() {
    form.intLanguage = LanguageCode::English;
    SelectOption(C::optDateFormatIsYMD);
    SelectOption(C::optSeparatorIsDash);
    SelectOption(C::optThousSepIsComma);
    window.intTodayCal = CalendarCode::CE;
    SelectOption(C::optFirstDateIsCE);
    SelectOption(C::optSecondDateIsCE);
    SelectOption(C::optDays);
    SetCheckBox(C::chkIncludeFirstDate, 0);
    SetCheckBox(C::chkIncludeWeekends, 1);
    SetCheckBox(C::chkVerbose, 1);
    SetCheckBox(C::chkHyphen, 1);
    SetCheckBox(C::chkSaveOutput, 1);
    MonthWindow().SelectMonday(false);
    MonthWindow().SelectJulian(false);
    form.workingDaysChoice = {};
    form.workingDays = nullptr;
    SetWorkingDaysCaptions();
    for (TextBoxState* box :
         {&form.txbFirstDate, &form.txbDateDiff, &form.txbSecondDate, &form.txbOutput}) {
        *box = TextBoxState{};
    }
}

void MainForm::FillLanguageList() {
    window.languageEntries = {Text(TextItem::English), Text(TextItem::German)};
    window.languageCodes = {LanguageCode::English, LanguageCode::German};
    window.languageIndex = -1;
    for (size_t i = 0; i < window.languageCodes.size(); ++i) {
        if (window.languageCodes[i] == form.intLanguage) {
            window.languageIndex = static_cast<int>(i);
        }
    }
}

int MainForm::LanguageListIndex(LanguageCode language) const {
    for (size_t i = 0; i < window.languageCodes.size(); ++i) {
        if (window.languageCodes[i] == language) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

void MainForm::AfterShow() {
    SetMainWindowCaption();
    SetCopyButton();
    form.focus = MainControl::txbFirstDate;
}

void MainForm::FinishStartUp() {
    window.languageIndex = LanguageListIndex(form.intLanguage);
    SetLanguageDependentText();
    FillLanguageList();
    texts_.SetProgramTextLanguage(form.intLanguage);
    FocusDateField(form, 1);
    form.blnStartUpCompleted = true;
    texts_.SetStartUpCompleted(true);
    ShowTodaysDate();
    if (!window.workingDaysMessage.empty()) {
        dialogs_.ShowMessage(window.workingDaysMessage, Text(TextItem::Error) + "!",
                             MessageIcon::None);
        window.workingDaysMessage.clear();
    }
}

}  // namespace tembrel
