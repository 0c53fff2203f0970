// The main window's state with the program texts of the shipped data file, a
// message recorder, a clipboard recorder and a fixed today: what the secondary
// window models are wired to in the tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/dates.h"
#include "tests/support/recording_clipboard.h"
#include "tests/support/scripted_dialogs.h"
#include "text/program_text.h"
#include "ui/model/clipboard.h"
#include "ui/model/main_form_state.h"
#include "ui/model/user_dialogs.h"
#include "ui/model/window_context.h"

namespace tembrel::test_support {

// Records every message box; the test's user always presses OK. The windows
// tested here ask no questions and show no clear-one-field dialog.
class RecordingDialogs : public ScriptedDialogs {
  public:
    void ShowClearOneTextBox(ClearOneFieldDialog&) override { ADD_FAILURE() << "unexpected"; }
    bool AskYesNo(std::string_view, std::string_view) override {
        ADD_FAILURE() << "unexpected question";
        return false;
    }
};

class WindowFixture : public ::testing::Test {
  protected:
    WindowFixture() {
        const ProgramTextLoad load = texts.LoadProgramTextFrom(TEMBREL_DATA_FILE);
        EXPECT_TRUE(load.ok()) << load.message;
        main.blnStartUpCompleted = true;
    }

    // Switches the main window's language, as the language list does.
    void SetLanguage(LanguageCode language) {
        main.intLanguage = language;
        texts.SetProgramTextLanguage(language);
    }

    // Saturday 14 February 2009.
    const int32_t today = GregorianJDN(2009, 2, 14);
    MainFormState main;
    ProgramTexts texts;
    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    WindowContext context{main, texts, dialogs, clipboard};
};

}  // namespace tembrel::test_support
