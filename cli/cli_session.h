// One main window's worth of state driven from the command line: the fields and
// options are set from the command line, Compute runs exactly as in the desktop
// program, and what the output box received is handed back with LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "compute/clear_one_field.h"
#include "compute/computation.h"
#include "compute/main_form_state.h"
#include "compute/user_dialogs.h"
#include "text/program_text.h"

namespace tembrel::cli {

// Answers the program's questions without a person: messages are collected for
// standard error, the clear-one-field dialog is cancelled (its explanation is
// collected too) and Yes/No questions are answered No.
class CollectingDialogs : public UserDialogs {
  public:
    explicit CollectingDialogs(const MainFormState& form) : form_(form) {}

    void ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) override;
    void ShowClearOneTextBox(ClearOneFieldDialog& dialog) override;
    bool AskYesNo(std::string_view prompt, std::string_view title) override;

    std::vector<std::string> messages;

  private:
    const MainFormState& form_;
};

class CliSession {
  public:
    CliSession(const CliOptions& options, const ProgramTexts& texts);
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Fills the three fields and runs Compute with the options of the command
    // line, whatever an earlier Compute changed. Returns false when a message was
    // shown (a refused input or a result out of range); the messages are then
    // appended to `messages`.
    bool Compute(std::string_view first, std::string_view diff, std::string_view second,
                 std::vector<std::string>& messages);

    // Returns what the output box received from the last Compute, CR LF line ends.
    std::string_view OutputText() const { return form_.txbOutput.text; }

    // Returns the window state: the fields and options as the command line set them.
    const MainFormState& Form() const { return form_; }

  private:
    // Sets the form's calendars and options from the command line.
    void ApplyOptions();

    const CliOptions options_;
    MainFormState form_;
    CollectingDialogs dialogs_;
    ClearOneFieldDialog clearDialog_;
    Computation computation_;
};

// Returns the text with every CR LF turned into LF.
std::string ToUnixLineEnds(std::string_view text);

}  // namespace tembrel::cli
