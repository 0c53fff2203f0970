// Which typed characters the input fields accept. A key code is the character's
// code (1..127 for the characters that matter), with the control keys of the
// clipboard and Backspace given by their control codes.
#pragma once

#include <string_view>

#include "ui/model/input_codes.h"

namespace tembrel {

// Returns true when a date field takes `key`: Backspace and the three clipboard
// keys always; "w" or "W" when the field's ISO option is selected (even in a
// full field); otherwise, while the field holds fewer than `maxLength`
// characters, the digits, "-", space, ",", ".", "(", ")" and the current date
// separator. Every other key, letters and control codes included, is refused.
bool DateKeyAllowed(int key, int length, int maxLength, std::string_view separator,
                    bool isoSelected);

// Returns true when the difference field takes `key`: Backspace and the three
// clipboard keys always; otherwise, while the field holds fewer than `maxLength`
// characters, the digits, "-" and the current thousands separator (none when it
// is empty).
bool DiffKeyAllowed(int key, int length, int maxLength, std::string_view thousandsSeparator);

}  // namespace tembrel
