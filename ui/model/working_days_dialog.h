// The working days dialog's model: the days of the weekend, the region whose
// public holidays are days off, and the user's holiday files and files of
// extra working days, as the dialog shows them while the user edits them. The
// main window opens it with the choice in force; OK builds the new choice and
// closes only when it can be used (a file that cannot be read is named in a
// message and the dialog stays), Cancel leaves everything as it was.
//
// Events the desktop dialog forwards: a weekday check box changed,
// chkWeekday_Click; a region chosen, cboRegion_Click; a file list's line
// selected, lstHolidayFiles_Click / lstWorkdayFiles_Click; a file picked with
// the toolkit's file chooser after Add, AddHolidayFile / AddWorkdayFile; the
// buttons' _Click handlers.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "holidays/holiday_data.h"
#include "holidays/working_days.h"
#include "text/language.h"
#include "ui/model/user_dialogs.h"
#include "ui/model/working_days_layout.h"

namespace tembrel {

// A list of lines with one selected, or none (-1).
struct ListBoxState {
    std::vector<std::string> entries;
    int listIndex = -1;
};

struct WorkingDaysDialogState {
    std::array<bool, 7> weekend{};  // Monday first
    std::vector<std::string> regionEntries;
    int regionIndex = 0;
    ListBoxState holidayFiles;
    ListBoxState workdayFiles;
    // Every control's caption; the dialog's title at frmWorkingDays.
    std::array<std::string, kWorkingDaysControlCount> captions{};
    // The titles of the file choosers after Add, and the kinds of file they
    // offer (as the toolkit's file chooser reads them: "Name (*.txt *.ics)").
    std::string holidayFileChooser;
    std::string workdayFileChooser;
    std::string holidayFileTypes;
    std::string allFileTypes;
    bool accepted = false;  // closed with OK
};

// Builds the working days of a choice, or returns null and words why not.
using WorkingDaysBuilder = std::function<std::shared_ptr<const holidays::WorkingDays>(
    const holidays::WorkingDaysChoice& choice, std::string& message)>;

class WorkingDaysDialogModel {
  public:
    // `rules` are the regions to offer (null: none can be read); the references
    // must outlive the model.
    WorkingDaysDialogModel(const holidays::WorkingDaysChoice& choice,
                           const holidays::HolidayData* rules, LanguageCode language,
                           UserDialogs& dialogs, WorkingDaysBuilder build);

    WorkingDaysDialogState form;

    const std::string& Caption(WorkingDaysControl id) const;
    // Remove needs a selected file; everything else is always enabled.
    bool IsEnabled(WorkingDaysControl id) const;

    // The user changed the check box of a day, Monday (0) to Sunday (6).
    void chkWeekday_Click(int mondayFirst, bool checked);
    // The user chose entry `position` of the region list.
    void cboRegion_Click(int position);
    void lstHolidayFiles_Click(int position);
    void lstWorkdayFiles_Click(int position);
    // A file the user picked after Add; an empty path (the chooser cancelled)
    // or one already in the list adds nothing. The new line is selected.
    void AddHolidayFile(const std::string& path);
    void AddWorkdayFile(const std::string& path);
    // Removes the selected file; the line after it (or before) is selected.
    void cmdRemoveHolidayFile_Click();
    void cmdRemoveWorkdayFile_Click();
    // Builds the choice: true, and accepted, when it can be used; otherwise
    // shows why and returns false.
    bool cmdOK_Click();
    void cmdCancel_Click() { form.accepted = false; }

    // The choice the dialog shows.
    holidays::WorkingDaysChoice Choice() const;
    // The working days OK built; null before.
    const std::shared_ptr<const holidays::WorkingDays>& Built() const { return built_; }

  private:
    void SetCaptions(LanguageCode language);
    void FillRegionList(const holidays::WorkingDaysChoice& choice,
                        const holidays::HolidayData* rules, LanguageCode language);

    UserDialogs& dialogs_;
    WorkingDaysBuilder build_;
    LanguageCode language_;
    std::vector<std::vector<std::string>> regionLists_;  // the regions of each entry
    std::shared_ptr<const holidays::WorkingDays> built_;
};

}  // namespace tembrel
