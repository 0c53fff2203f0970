// The desktop program as the random session (random_session.h) drives it: the
// main window's model with the month, large display and help window models,
// started over a settings file in a folder of its own, with scripted dialogs,
// a recording clipboard and a fixed today (15 March 2008). Each action is run as
// the desktop window would forward it, and then every property is checked.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tests/support/recording_clipboard.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/ui/model/fixed_services.h"
#include "tests/ui/model/session_actions.h"
#include "tests/ui/model/session_properties.h"
#include "text/program_text.h"
#include "ui/model/desktop_services.h"
#include "ui/model/help_window_model.h"
#include "ui/model/large_display_model.h"
#include "ui/model/main_form.h"

namespace tembrel::test_support {

class SessionProgram {
  public:
    // Starts the program with its settings file in `folder`; `known` must
    // outlive it.
    SessionProgram(const std::filesystem::path& folder, const KnownFaults& known);

    // Runs one action and returns the first property broken after it, leaving
    // out the known faults.
    std::optional<Broken> Run(const SessionAction& action);

  private:
    void Start();
    // Quits (which saves the settings) and starts again.
    std::optional<Broken> Restart();
    std::optional<Broken> Act(const SessionAction& action);
    // A key typed into an input field: the key filter first, then what the
    // desktop text box does with a key it is given.
    void TypeKey(int32_t field, int32_t key);
    void Click(MainWindowControl id, const SessionAction& action);
    void ActOnMonthWindow(const SessionAction& action);
    std::optional<Broken> ActOnLargeDisplay(const SessionAction& action);

    const KnownFaults& known_;
    ProgramTexts texts_;
    ScriptedDialogs dialogs_;
    RecordingClipboard clipboard_;
    FixedServices services_;
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<LargeDisplayModel> large_;
    std::unique_ptr<HelpWindowModel> help_;
};

}  // namespace tembrel::test_support
