// The questions and messages the program puts to the user. The desktop window
// answers them with real dialogs; tests and the command line with scripted ones.
#pragma once

#include <string_view>

namespace tembrel {

struct ClearOneFieldDialog;
class WorkingDaysDialogModel;

enum class MessageIcon { None, Exclamation, Warning, Critical };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // Shows a modal message with an OK button.
    virtual void ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) = 0;

    // Shows the clear-one-field dialog modally; the user's choice is left in it.
    virtual void ShowClearOneTextBox(ClearOneFieldDialog& dialog) = 0;

    // Asks a Yes/No question with No as the default; returns true for Yes.
    virtual bool AskYesNo(std::string_view prompt, std::string_view title) = 0;

    // Shows the working days dialog modally; it closes by OK (dialog.form.accepted
    // then holds) or Cancel.
    virtual void ShowWorkingDays(WorkingDaysDialogModel& dialog) = 0;
};

}  // namespace tembrel
