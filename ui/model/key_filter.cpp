#include "ui/model/key_filter.h"

#include <string>

#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"
#include "ui/model/text_offsets.h"

namespace tembrel {

namespace {

bool IsAlwaysAllowed(int key) {
    return key == kKeyCtrlC || key == kKeyBackspace || key == kKeyCtrlV || key == kKeyCtrlX;
}

// Returns true when `key` is one of the characters of `set` (ASCII only).
bool IsOneOf(int key, std::string_view set) {
    return key > 0 && key < 128 && set.find(static_cast<char>(key)) != std::string_view::npos;
}

}  // namespace

bool DateKeyAllowed(int key, int length, int maxLength, std::string_view separator,
                    bool isoSelected) {
    if (IsAlwaysAllowed(key)) {
        return true;
    }
    if (isoSelected && (key == 'w' || key == 'W')) {
        return true;
    }
    if (length >= maxLength) {
        return false;
    }
    return IsOneOf(key, std::string(separator) + "1234567890- ,.()");
}

bool DiffKeyAllowed(int key, int length, int maxLength, std::string_view thousandsSeparator) {
    if (IsAlwaysAllowed(key)) {
        return true;
    }
    if (length >= maxLength) {
        return false;
    }
    return IsOneOf(key, std::string(thousandsSeparator) + "1234567890-");
}

void MainForm::txbDate_KeyPress(DateField field, int& keyAscii) {
    if (keyAscii == kKeyEnter) {
        keyAscii = 0;
        cmdCompute_Click();
        return;
    }
    const TextBoxState& box = form.DateBox(field);
    if (!DateKeyAllowed(keyAscii, CharacterCount(box.text), window.intMaxInputLength,
                        form.separators.strDateSep, GetCal(form, field) == CalendarCode::ISO)) {
        keyAscii = 0;
    }
}

void MainForm::txbDateDiff_KeyPress(int& keyAscii) {
    if (keyAscii == kKeyEnter) {
        keyAscii = 0;
        cmdCompute_Click();
        return;
    }
    if (!DiffKeyAllowed(keyAscii, CharacterCount(form.txbDateDiff.text), window.intMaxInputLength,
                        form.separators.strThousSep)) {
        keyAscii = 0;
    }
}

}  // namespace tembrel
