// The Reset button: back to the defaults, after asking.
#include <filesystem>
#include <system_error>

#include "text/program_text_numbers.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"

namespace tembrel {

void MainForm::cmdReset_Click() {
    const std::string question = texts_.ProgramText(program_text::kResetWhatItDoes) + "\r\n" +
                                 texts_.ProgramText(program_text::kResetSettingsFile) + "\r\n\r\n" +
                                 texts_.ProgramText(program_text::kResetConfirm);
    if (dialogs_.AskYesNo(question, Caption(MainWindowControl::cmdReset))) {
        // A missing file, or one that cannot be deleted, changes nothing: the
        // defaults apply all the same, and the next Quit writes them.
        std::error_code ignored;
        std::filesystem::remove(window.strUserSettingsFile, ignored);
        std::filesystem::remove(WorkingDaysFile(), ignored);
        std::filesystem::remove(window.strWindowPlacesFile, ignored);
        if (HasAllCalendars()) {
            AllCalendars().form.placed = false;  // the next opening places it by this window
        }
        // The language goes back to English in the settings only; captions,
        // the language list and program texts keep the language shown until
        // the user picks one from the list.
        SetDefaultSettings();
    }
    SetTheFocus(form);
}

}  // namespace tembrel
