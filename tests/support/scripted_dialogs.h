// Message boxes, the clear-one-field dialog and Yes/No questions answered by a
// test's script instead of a user.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/clear_one_field.h"
#include "ui/model/user_dialogs.h"
#include "ui/model/working_days_dialog.h"

namespace tembrel::test_support {

// Records every message and answers the clear-one-field dialog, Yes/No
// questions and the working days dialog as the test told it to.
class ScriptedDialogs : public UserDialogs {
  public:
    struct Message {
        std::string prompt;
        std::string title;
        MessageIcon icon;
    };

    void ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) override {
        messages.push_back({std::string(prompt), std::string(title), icon});
    }
    void ShowClearOneTextBox(ClearOneFieldDialog& dialog) override {
        ++clearDialogShown;
        if (clearAnswer) {
            dialog.choice = *clearAnswer;
        }
    }
    bool AskYesNo(std::string_view prompt, std::string_view title) override {
        questions.emplace_back(prompt);
        questionTitles.emplace_back(title);
        return yesNoAnswer;
    }
    void ShowWorkingDays(WorkingDaysDialogModel& dialog) override {
        ++workingDaysShown;
        if (workingDaysScript) {
            workingDaysScript(dialog);
        }
    }

    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::vector<std::string> questionTitles;
    std::optional<ClearChoice> clearAnswer;  // empty: the user keeps the preselection
    bool yesNoAnswer = false;
    int clearDialogShown = 0;
    // What the user does in the working days dialog (nothing: it is closed
    // without OK).
    std::function<void(WorkingDaysDialogModel&)> workingDaysScript;
    int workingDaysShown = 0;
};

}  // namespace tembrel::test_support
