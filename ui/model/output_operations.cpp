// The output box's buttons and events: Clear, the copy button, mouse-up and
// Enter-to-copy.
#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/key_filter.h"
#include "ui/model/main_form.h"

namespace tembrel {

using C = MainWindowControl;

void MainForm::cmdClearOutputWindow_Click() {
    form.txbOutput = TextBoxState{};
    // Without this the button could still offer to copy a selection that is gone.
    SetCopyButton();
    SetTheFocus(form);
}

void MainForm::SetCopyButton() {
    const bool selection = form.txbOutput.selLength > 0;
    const LanguageCode language = form.intLanguage;
    SetCaption(C::cmdCopyOutput,
               Text(selection ? TextItem::CopySelectedTextToClipboard : TextItem::CopyToClipboard));
    if (language == LanguageCode::English) {
        window.cmdCopyOutputWidth = selection ? kCopySelectionWidthEnglish : kCopyAllWidthEnglish;
    } else if (language == LanguageCode::German) {
        window.cmdCopyOutputWidth = selection ? kCopySelectionWidthOther : kCopyAllWidthGerman;
    } else {
        window.cmdCopyOutputWidth = selection ? kCopySelectionWidthOther : kCopyAllWidthOther;
    }
}

void MainForm::cmdCopyOutput_Click() {
    TextBoxState& output = form.txbOutput;
    clipboard_.SetText(output.selLength > 0 ? output.SelectedText() : output.text);
    output.selLength = 0;
    SetCopyButton();
    SetTheFocus(form);
}

void MainForm::txbOutput_MouseUp(int /*button*/) {
    SetCopyButton();
}

void MainForm::txbOutput_KeyPress(int& keyAscii) {
    if (keyAscii == kKeyEnter && form.txbOutput.selLength > 0) {
        keyAscii = 0;
        cmdCopyOutput_Click();
    }
}

}  // namespace tembrel
