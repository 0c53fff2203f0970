// The clear-one-field dialog's choice: when all three input fields are filled,
// the user picks the field to empty, or cancels. The dialog lives as long as the
// main window and remembers the last choice, except that a cancel is replaced by
// the default when it is shown again.
#pragma once

#include <cstdint>

namespace tembrel {

enum class ClearChoice : int16_t {
    FirstDate,   // optClearFirstDate
    DateDiff,    // optClearDateDiff, the default
    SecondDate,  // optClearSecondDate
    Cancel,      // optCancel
};

struct ClearOneFieldDialog {
    ClearChoice choice = ClearChoice::DateDiff;

    // Runs each time the dialog is shown: a previous cancel becomes the default.
    void Form_Activate() {
        if (choice == ClearChoice::Cancel) {
            choice = ClearChoice::DateDiff;
        }
    }
};

}  // namespace tembrel
