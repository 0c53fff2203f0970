// The main window's form model: the state the window shows (fields, options,
// check boxes, output, captions, tooltips, visibility, the copy button's width,
// the today labels) and the handlers that change it. The desktop window builds
// its widgets from the layout table (main_layout.h), forwards every user action
// to a handler here and then renders this state; nothing here knows the toolkit.
//
// How user actions arrive:
// - a click on a button, an option or a label: Click(control) (the option's
//   handler runs even when it was already selected);
// - a check box changed by the user: CheckBoxClicked(control, value);
// - a character typed into an input field: txbDate_KeyPress /
//   txbDateDiff_KeyPress, which may swallow it (keyAscii becomes 0);
// - a spinner arrow: VScroll_Change(index, +1 or -1);
// - the today labels and the output box: lblToday_MouseUp, txbOutput_MouseUp,
//   txbOutput_KeyPress.
// Options and check boxes set from the program (start-up, defaults) go through
// SelectOption and SetCheckBox, which run the handler only on a change.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compute/compute.h"
#include "core/calendar_codes.h"
#include "holidays/holiday_data.h"
#include "settings/settings_record.h"
#include "tembrel_version.h"
#include "text/program_text.h"
#include "text/text_table.h"
#include "ui/model/all_calendars_model.h"
#include "ui/model/clear_one_field.h"
#include "ui/model/clear_one_field_model.h"
#include "ui/model/clipboard.h"
#include "ui/model/desktop_services.h"
#include "ui/model/input_codes.h"
#include "ui/model/main_controls.h"
#include "ui/model/main_form_state.h"
#include "ui/model/month_window_model.h"
#include "ui/model/user_dialogs.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

// The program's version as the caption shows it ("9.98"): the build's, unless a
// test gives another.
struct ProgramVersion {
    std::string_view text = kVersionText;
};

// Returns the version text of the caption.
std::string VersionText(const ProgramVersion& version);

// The caption of the window before the product name is known.
inline constexpr std::string_view kDesignCaption = "Tembrel";
// The fixed texts that are the same in every language.
inline constexpr std::string_view kCopyrightNotice = "Copyright \xC2\xA9 2008";
inline constexpr std::string_view kMakerName = "Norvane Systems";
inline constexpr std::string_view kCopyrightDateStamp = "80201";

// The copy button's widths (twips): copying everything, and copying a selection,
// in English, in German and in the other languages.
inline constexpr int32_t kCopyAllWidthEnglish = 2500;
inline constexpr int32_t kCopyAllWidthGerman = 3500;
inline constexpr int32_t kCopyAllWidthOther = 3000;
inline constexpr int32_t kCopySelectionWidthEnglish = 3750;
inline constexpr int32_t kCopySelectionWidthOther = 4700;
// chkSaveOutput's left edge (twips) in English and in every other language.
inline constexpr int32_t kSaveOutputLeftEnglish = 9050;
inline constexpr int32_t kSaveOutputLeftOther = 7775;

// The most characters the key filter lets into an input field.
inline constexpr int16_t kMaxInputLength = 18;

// The window's own state, beyond what the secondary windows share (MainFormState).
struct MainWindowState {
    std::string caption{kDesignCaption};
    std::array<std::string, kMainWindowControlCount> captions{};
    std::array<std::string, kMainWindowControlCount> tooltips{};
    // chkIncludeFirstDate and chkIncludeWeekends: shown while optDays is selected.
    bool countingOptionsVisible = true;
    int32_t cmdCopyOutputWidth = 3900;
    int32_t chkSaveOutputLeft = 7350;

    // The language list: entries with their language codes, and the selection.
    std::vector<std::string> languageEntries;
    std::vector<LanguageCode> languageCodes;
    int languageIndex = -1;

    // The calendar of the today labels.
    CalendarCode intTodayCal = CalendarCode::CE;
    // The calendar each date field's text is written in, as far as the program
    // wrote or converted it, and the conversion in progress.
    CalendarCode intFirstFieldCal = CalendarCode::CE;
    CalendarCode intSecondFieldCal = CalendarCode::CE;
    CalendarCode intConvertFromCal = CalendarCode::CE;
    CalendarCode intConvertToCal = CalendarCode::CE;
    std::string strConvertText;
    std::string strConvertedText;

    int16_t intMaxInputLength = kMaxInputLength;

    // The clear-one-field dialog's captions in the current language.
    ClearOneFieldCaptions clearOneField;

    // The user settings file; the empty path when there is no per-user folder.
    std::filesystem::path strUserSettingsFile;

    // Why the saved working days could not be used, shown once the start-up
    // has completed; empty when they could.
    std::string workingDaysMessage;

    // The file of the resizable windows' places beside it (window_places.h).
    std::filesystem::path strWindowPlacesFile;
};

class MainForm {
  public:
    // The references must outlive the form. The version goes into the caption.
    // Without desktop services the form keeps no settings file and opens no
    // addresses.
    MainForm(ProgramTexts& texts, UserDialogs& dialogs, Clipboard& clipboard,
             ProgramVersion version = {}, DesktopServices* services = nullptr);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    MainFormState form;
    MainWindowState window;
    // The clear-one-field dialog's choice, kept between uses.
    ClearOneFieldDialog clearOneField;

    // Returns today's day number, as the desktop services read it.
    int32_t TodayJDN() { return services_.TodayJDN(); }

    // ---- What the desktop window renders ----
    const std::string& Caption(MainWindowControl id) const;
    const std::string& Tooltip(MainWindowControl id) const;
    bool IsVisible(MainWindowControl id) const;
    // The control's place: the layout table's, with the run-time width of the
    // copy button and left of chkSaveOutput.
    ControlPlace PlaceOf(MainWindowControl id) const;
    // Options: true when selected. Check boxes: their value 0 or 1.
    bool IsSelected(MainWindowControl option) const;
    int16_t CheckValue(MainWindowControl checkBox) const;
    // The state of txbFirstDate, txbDateDiff, txbSecondDate or txbOutput; nullptr
    // for any other control.
    TextBoxState* TextBox(MainWindowControl id);

    // ---- Forwarded user actions and program selections ----
    // A click on a button, option or label; controls without a click handler
    // here are ignored.
    void Click(MainWindowControl id);
    // The user changed a check box to `value`: sets it and runs its handler.
    void CheckBoxClicked(MainWindowControl id, int16_t value);
    // Selects an option from the program: runs its handler only when it was not
    // selected.
    void SelectOption(MainWindowControl id);
    // Sets a check box from the program: runs its handler only on a change.
    void SetCheckBox(MainWindowControl id, int16_t value);

    // ---- Start-up ----
    // Sets the caption: program text 1, a space and the version text.
    void SetMainWindowCaption();
    // The steps before the window is shown: calendar tables, fields, defaults,
    // the language list, the copy button.
    void InitialiseMainWindow();
    // Empties the fields and the output, selects CE for both dates.
    void InitialiseFields();
    // Puts every saved setting to its default by selecting the options and
    // setting the check boxes; empties the fields and the output.
    void SetDefaultSettings();
    // Fills the language list in the current language and selects intLanguage.
    void FillLanguageList();
    // Returns the list position of `language`; 0 when the list has none.
    int LanguageListIndex(LanguageCode language) const;
    // The steps right after the window is shown: caption, copy button, focus.
    void AfterShow();
    // The steps after the saved settings are read: captions in the saved
    // language, focus and caret, start-up completed, today labels.
    void FinishStartUp();

    // ---- Settings file, Quit and Reset ----
    // Reads the user settings file over the defaults, selecting each option as
    // the user would (so its handler runs when the value differs). A missing or
    // damaged file puts the defaults back; a file without its last line keeps
    // the rest and selects days. Then reads the working days file beside it.
    void ReadUserSettings();
    // Reads the working days file and builds its choice. A choice that cannot
    // be built (a region the rule file lacks, a file gone) is kept as it is, so
    // that the dialog shows it and Quit saves it again, while its weekend alone
    // is in force; why is shown after the start-up.
    void ReadWorkingDaysSettings();
    // Writes the working days file; false when it could not be written.
    bool WriteWorkingDaysSettings();
    // Returns the working days file's path: beside the settings file (empty
    // when there is none).
    std::filesystem::path WorkingDaysFile() const;
    // Returns the values the settings file stores for the current state; the
    // four texts are empty unless chkSaveOutput is set.
    UserSettings CurrentUserSettings();
    // Writes the user settings file; false when it could not be written (the
    // former file then stays as it was).
    bool WriteUserSettings();
    // Saves the settings, and the All calendars window's place when it has one;
    // the caller ends the program whatever the outcome.
    void cmdQuit_Click();
    // Asks whether to go back to the defaults; on Yes deletes the settings file,
    // the working days file and the windows' places and puts the defaults in
    // force, without re-applying the language.
    void cmdReset_Click();
    // The user chose entry `position` of the language list.
    void cboLanguage_Click(int position);
    // Open the maker's home page and the manual in the current language.
    void lblNorvaneSystems_Click();
    void lblOnlineDocumentation_Click();

    // ---- Secondary windows ----
    // Returns the month window's model, created (hidden) on first use.
    MonthWindowModel& MonthWindow();
    // Returns the All calendars window's model, created (hidden) on first use
    // with the place the last run saved; and whether it exists.
    AllCalendarsModel& AllCalendars();
    bool HasAllCalendars() const { return allCalendars_ != nullptr; }
    // Returns what the secondary windows share with this window: its state, the
    // program texts, the message boxes and the clipboard.
    WindowContext SecondaryWindowContext();

    // ---- Focus, fields, Compute ----
    // Empties the three input fields; after start-up the focus goes to the first.
    void ClearDateFields();
    void cmdClearFirstDate_Click();
    void cmdClearDateDiff_Click();
    void cmdClearSecondDate_Click();
    // The Compute button (and Enter in an input field): trims the fields, asks
    // which field to empty when all three are filled, has the engine compute what
    // the filled fields ask for, and shows its result: the fields' new texts, the
    // report in the output, the message, the focus and the copy button.
    void cmdCompute_Click();
    // Asks which field to empty when all three are filled, and empties it; false
    // when the user cancelled.
    bool ClearOneField();
    // Notes "Out of Range" in the output and shows the message.
    void ReportOutOfRange();
    // Shows the date stamp in a message titled with the product name.
    void lblCopyright_Click();

    // ---- Format options ----
    void optDateFormat_Click(DateOrder order);
    void optSeparator_Click(std::string_view separator);
    void optThousSep_Click(std::string_view separator);
    void optDays_Click();
    void optMonths_Click();
    // Sets the ordinal option's caption and rewrites ordinal and ISO week dates
    // in both fields into the form the check box asks for.
    void chkHyphen_Click();
    void SetOrdinalCaption();
    // Shows 31 December 2012 in the current date order on each separator option.
    void SetSeparatorCaptions();

    // ---- Working days ----
    // The button beside chkIncludeWeekends: shows the working days dialog and,
    // when it closes with OK, puts the choice in force, shows it in the
    // captions and marks its holidays in a month window that shows a month.
    void cmdWorkingDays_Click();
    // Returns the working days of a choice; null, with the reason in
    // `message`, when a region is unknown or a file cannot be read.
    std::shared_ptr<const holidays::WorkingDays> BuildWorkingDays(
        const holidays::WorkingDaysChoice& choice, std::string& message);
    // Returns the regions of the holiday rule file, read on first use; null
    // when it cannot be read (RuleFileError says why).
    const holidays::HolidayData* HolidayRules();
    std::string RuleFileError() const;
    // Sets the captions that show the working days: chkIncludeWeekends names
    // the holidays left out ("Count weekend days and holidays (DE-BY)"), its
    // tooltip everything that is not counted.
    void SetWorkingDaysCaptions();

    // ---- Calendar switching ----
    // A calendar option of a date field: selects it, converts the field's text
    // into the new calendar (after start-up) and remembers the calendar.
    void CalendarOption_Click(DateField field, CalendarCode cal);
    // Converts strConvertText from intConvertFromCal into intConvertToCal;
    // false when there is nothing to convert or it cannot be read or written.
    bool ConvertFieldText();

    // ---- Today labels and Today buttons ----
    void ShowTodaysDate();
    void NextTodayCal();
    void PrevTodayCal();
    // A mouse button released over either today label: the right button steps
    // the labels' calendar back, any other forward.
    void lblToday_MouseUp(int button);
    void cmdToday_Click(int index);

    // ---- Keys ----
    // A character typed into a date field or the difference field; swallowed
    // characters leave keyAscii 0. Enter computes.
    void txbDate_KeyPress(DateField field, int& keyAscii);
    void txbDateDiff_KeyPress(int& keyAscii);

    // ---- Second -> First ----
    void cmdMoveSecondDateToFirst_Click();

    // ---- Spinners ----
    // Spinner `index` (0 first date, 1 second) moved to `value` (-1 back, 1
    // forward; 0 does nothing).
    void VScroll_Change(int index, int value);
    // Returns the date `days` after the text of field `fieldNumber` in that
    // field's notation, or the empty text after showing why not.
    std::string SpinDate(int fieldNumber, std::string_view text, int days);

    // ---- Output box ----
    void cmdClearOutputWindow_Click();
    void SetCopyButton();
    void cmdCopyOutput_Click();
    void txbOutput_MouseUp(int button);
    void txbOutput_KeyPress(int& keyAscii);

    // ---- Captions ----
    // Sets every caption of the window and of the clear-one-field dialog in
    // the current language, and moves chkSaveOutput for it.
    void SetLanguageDependentText();

  private:
    // The settings file's part of ReadUserSettings.
    void ReadSavedSettings();
    void SetCaption(MainWindowControl id, std::string caption);
    std::string Text(TextItem item) const;
    // Shows computation message `number` titled "Error!" in the current language.
    void ShowErrorMessage(int number);
    // Returns the engine's request for the fields and options as they are now.
    ComputeRequest Request();
    // Puts the engine's result into the fields and the output and shows its
    // message.
    void ApplyResult(const ComputeResult& result);
    // Opens an address in the browser; shows the warning when that fails.
    void LaunchBrowser(std::string_view address);
    void ClearInputField(TextBoxState& box);
    // Writes today's day number plus `offset` as the today labels show it.
    std::string TodayLabelDate(int32_t offset) const;
    // Puts the caret at the end of a field and the focus into it.
    void FocusOn(MainControl control);
    void RunOptionHandler(MainWindowControl id);

    ProgramTexts& texts_;
    UserDialogs& dialogs_;
    Clipboard& clipboard_;
    ProgramVersion version_;
    DesktopServices& services_;
    std::unique_ptr<MonthWindowModel> monthWindow_;
    // The holiday rule file, read on first use.
    bool rulesRead_ = false;
    std::optional<holidays::HolidayData> rules_;
    holidays::FileError rulesError_;
    std::unique_ptr<AllCalendarsModel> allCalendars_;
};

}  // namespace tembrel
