// The output box operations through which every report is written: pieces are
// appended in reading order, and FinishOutputReport ends the line. Lines end with
// CR LF.
#pragma once

#include <string_view>

#include "ui/model/main_form_state.h"

namespace tembrel {

inline constexpr std::string_view kLineEnd = "\r\n";

// Appends a piece of text; adds no line end and leaves the caret where it is.
void AppendOutput(TextBoxState& output, std::string_view text);

// Ends the report's line with CR LF and puts the caret before the final
// character, which brings the newest report into view.
void FinishOutputReport(TextBoxState& output);

}  // namespace tembrel
