// The program's questions and messages on the desktop: message boxes with an
// OK button, the Yes/No question and the modal clear-one-field dialog, all owned
// by the main window.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/model/clear_one_field_model.h"
#include "ui/model/user_dialogs.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

class frmClearOneTextBox;

class QtUserDialogs : public UserDialogs {
  public:
    // `owner` is the main window the dialogs belong to.
    explicit QtUserDialogs(QWidget* owner);
    ~QtUserDialogs() override;

    // Runs before each dialog is shown, so that the window shows what the
    // handler has done so far (the main window renders its model).
    std::function<void()> beforeModal;
    // The clear-one-field dialog's captions in the current language, and where
    // the date entry panel stands in the main window (twips).
    const ClearOneFieldCaptions* clearOneFieldCaptions = nullptr;
    int32_t frame3Left = 0;

    void ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) override;
    void ShowClearOneTextBox(ClearOneFieldDialog& dialog) override;
    bool AskYesNo(std::string_view prompt, std::string_view title) override;
    void ShowWorkingDays(WorkingDaysDialogModel& dialog) override;

    // Returns the clear-one-field dialog, created on first use.
    frmClearOneTextBox& ClearOneTextBox();

  private:
    QWidget* owner_;
    frmClearOneTextBox* clearOneTextBox_ = nullptr;  // a child of the owner
};

}  // namespace tembrel
