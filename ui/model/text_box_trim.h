// Trimming a main window text box in place, as the Display month and Enlarge
// buttons do before they read it.
#pragma once

#include <algorithm>
#include <string>

#include "core/string_utils.h"
#include "ui/model/main_form_state.h"

namespace tembrel {

// Removes spaces at both ends of the box's text (line ends and tabs stay) and
// keeps the caret and the selection inside the shorter text.
inline void TrimTextBox(TextBoxState& box) {
    const std::string trimmed(TrimSpaces(box.text));
    if (trimmed.size() == box.text.size()) {
        return;
    }
    box.text = trimmed;
    const int size = static_cast<int>(box.text.size());
    box.selStart = std::clamp(box.selStart, 0, size);
    box.selLength = std::clamp(box.selLength, 0, size - box.selStart);
}

}  // namespace tembrel
