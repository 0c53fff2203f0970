// A main window form model after its start-up, wired to scripted dialogs, a
// clipboard recorder, the program texts of the shipped data file and desktop
// services with a fixed today (Saturday 15 March 2008, day number 2454541) and no
// settings folder.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/recording_clipboard.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/ui/model/fixed_services.h"
#include "text/program_text.h"
#include "ui/model/clipboard.h"
#include "ui/model/main_form.h"
#include "ui/model/main_layout.h"
#include "ui/model/user_dialogs.h"

namespace tembrel {

// Prints a control by its name in test names and failure messages.
inline void PrintTo(MainWindowControl id, std::ostream* os) {
    const MainControlEntry* entry = MainControlOf(id);
    *os << (entry != nullptr ? entry->name : "frmMain");
}

}  // namespace tembrel

namespace tembrel::test_support {

// Prints a table-driven test case by its name; brought into a test file's
// namespace with `using test_support::PrintTo;`.
template <typename Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// Runs the start-up steps the main window runs; a form without desktop
// services reads no settings file and keeps the defaults.
inline void RunStartUp(MainForm& main) {
    main.SetMainWindowCaption();
    main.InitialiseMainWindow();
    main.AfterShow();
    main.ReadUserSettings();
    main.FinishStartUp();
}

class MainFormTest : public ::testing::Test {
  protected:
    MainFormTest() {
        const ProgramTextLoad load = texts.LoadProgramTextFrom(TEMBREL_DATA_FILE);
        EXPECT_TRUE(load.ok()) << load.message;
        RunStartUp(main);
    }

    // Switches the language as the language list will: captions follow.
    void UseLanguage(LanguageCode language) {
        form.intLanguage = language;
        texts.SetProgramTextLanguage(language);
        main.SetLanguageDependentText();
        main.ShowTodaysDate();
    }

    std::string LastMessage() const {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().prompt;
    }

    static constexpr int32_t kToday = 2454541;  // 15 March 2008

    FixedServices services;
    ProgramTexts texts;
    ScriptedDialogs dialogs;
    RecordingClipboard clipboard;
    MainForm main{texts, dialogs, clipboard, ProgramVersion{"9.98"}, &services};
    MainFormState& form = main.form;
    MainWindowState& window = main.window;
};

}  // namespace tembrel::test_support
