#include "ui/model/large_display_model.h"

#include <algorithm>

#include "text/program_text_numbers.h"

namespace tembrel {

LargeDisplayModel::LargeDisplayModel(const WindowContext& context) : context_(context) {
    Form_Load();
}

void LargeDisplayModel::Form_Load() {
    form.cmdCopyToClipboard.caption = "Copy to clipboard";
}

void LargeDisplayModel::Form_Activate() {
    if (form.windowState == WindowState::Minimized) {
        form.windowState = WindowState::Normal;
    }
    form.cmdClose.caption = context_.texts.ProgramText(program_text::kCloseCaption);
    form.cmdCopyToClipboard.enabled = true;
    UpdateCopyCaption();
}

void LargeDisplayModel::Form_Resize() {
    if (form.windowState == WindowState::Minimized) {
        return;
    }
    TwipsRect& window = form.window;
    window.height = std::max(window.height, kLargeDisplayMinHeight);
    window.width = std::max(window.width, kLargeDisplayMinWidth);
    // Within the minimum size every value below stays positive, and the window's
    // size is at most kTwipsLimit, so the 64-bit sums cannot overflow.
    ControlPlace& close = form.cmdClose.place;
    form.txbOutputPlace.width = ClampTwips(int64_t{window.width} - 300);
    form.txbOutputPlace.height = ClampTwips(int64_t{window.height} - close.height - 1000);
    form.cmdCopyToClipboard.place.top = ClampTwips(int64_t{window.height} - close.height - 700);
    close.top = form.cmdCopyToClipboard.place.top;
    close.left = ClampTwips(int64_t{window.width} - close.width - 330);
    form.cmdCopyToClipboard.enabled = true;
}

void LargeDisplayModel::cmdCopyToClipboard_Click() {
    TextBoxState& box = form.txbOutput;
    const std::string selected = box.SelectedText();
    context_.clipboard.SetText(selected.empty() ? box.text : selected);
    box.selLength = 0;
    UpdateCopyCaption();
}

void LargeDisplayModel::UpdateCopyCaption() {
    ButtonState& copy = form.cmdCopyToClipboard;
    if (form.txbOutput.selLength < 1) {
        copy.caption = context_.texts.ProgramText(program_text::kCopyAllCaption);
        copy.place.width = context_.main.intLanguage == LanguageCode::German
                               ? kLargeCopyAllWidthGerman
                               : kLargeCopyAllWidth;
        form.focus = LargeDisplayControl::cmdClose;
    } else {
        copy.caption = context_.texts.ProgramText(program_text::kCopySelectionCaption);
        copy.place.width = kLargeCopySelectionWidth;
    }
}

void LargeDisplayModel::txbOutput_MouseUp(int button) {
    if (button == kLeftButton) {
        UpdateCopyCaption();
    }
}

void LargeDisplayModel::txbOutput_KeyPress(int& keyAscii) {
    if (keyAscii == kKeyEnter && form.txbOutput.selLength > 0) {
        keyAscii = 0;
        cmdCopyToClipboard_Click();
    }
}

void LargeDisplayModel::cmdClose_Click() {
    form.visible = false;
}

void LargeDisplayModel::Show() {
    form.visible = true;
    Form_Activate();
}

}  // namespace tembrel
