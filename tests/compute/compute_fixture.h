// A main window state with the computation wired to scripted dialogs, the
// program texts of the shipped data file and a fixed today.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compute/clear_one_field.h"
#include "compute/computation.h"
#include "compute/main_form_state.h"
#include "compute/user_dialogs.h"
#include "core/today.h"
#include "tests/support/scripted_dialogs.h"
#include "text/program_text.h"

namespace tembrel::test_support {

class ComputeFixture : public ::testing::Test {
  protected:
    ComputeFixture() : computation(form, dialogs, texts, clearDialog) {
        const ProgramTextLoad load = texts.LoadProgramTextFrom(TEMBREL_DATA_FILE);
        EXPECT_TRUE(load.ok()) << load.message;
        form.blnStartUpCompleted = true;
    }

    // Fills the fields, presses Compute and returns the output's last line
    // without its line end.
    std::string Compute(const std::string& first, const std::string& diff = "",
                        const std::string& second = "") {
        form.txbFirstDate.text = first;
        form.txbDateDiff.text = diff;
        form.txbSecondDate.text = second;
        form.txbOutput.text.clear();
        computation.cmdCompute_Click();
        return LastLine();
    }

    std::string LastLine() const {
        std::string text = form.txbOutput.text;
        if (text.size() >= 2 && text.ends_with("\r\n")) {
            text.resize(text.size() - 2);
        }
        const size_t previous = text.rfind("\r\n");
        return previous == std::string::npos ? text : text.substr(previous + 2);
    }

    std::string LastMessage() const {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().prompt;
    }

    ScopedToday today{{2008, 3, 15}};
    MainFormState form;
    ScriptedDialogs dialogs;
    ProgramTexts texts;
    ClearOneFieldDialog clearDialog;
    Computation computation;
};

}  // namespace tembrel::test_support
