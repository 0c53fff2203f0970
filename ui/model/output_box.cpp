#include "ui/model/output_box.h"

#include <algorithm>

namespace tembrel {

std::string TextBoxState::SelectedText() const {
    if (selLength <= 0 || selStart < 0 || static_cast<size_t>(selStart) >= text.size()) {
        return {};
    }
    return text.substr(static_cast<size_t>(selStart), static_cast<size_t>(selLength));
}

void TextBoxState::CaretToEnd() {
    selStart = static_cast<int>(text.size());
    selLength = 0;
}

void AppendOutput(TextBoxState& output, std::string_view text) {
    output.text.append(text);
}

void FinishOutputReport(TextBoxState& output) {
    output.text.append(kLineEnd);
    output.selStart = std::max(0, static_cast<int>(output.text.size()) - 1);
    output.selLength = 0;
}

}  // namespace tembrel
