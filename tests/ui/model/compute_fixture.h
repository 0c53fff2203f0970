// The main window's model after its start-up, with a helper that fills the three
// fields, presses Compute and returns the report.
#pragma once

#include <string>

#include "tests/ui/model/main_form_fixture.h"

namespace tembrel::test_support {

class ComputeFixture : public MainFormTest {
  protected:
    // Fills the fields, presses Compute and returns the output's last line
    // without its line end.
    std::string Compute(const std::string& first, const std::string& diff = "",
                        const std::string& second = "") {
        form.txbFirstDate.text = first;
        form.txbDateDiff.text = diff;
        form.txbSecondDate.text = second;
        form.txbOutput.text.clear();
        main.cmdCompute_Click();
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
};

}  // namespace tembrel::test_support
