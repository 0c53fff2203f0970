// What each option button of the main window stands for: its group and the
// value the group takes when it is selected. The window asks the form model
// whether an option is selected, and the model picks the handler by group, so
// nothing ever branches on a caption.
#pragma once

#include <cstdint>
#include <span>

#include "ui/model/main_controls.h"

namespace tembrel {

enum class OptionGroup : int16_t {
    DateOrder,           // value: DateOrder
    DateSeparator,       // value: the separator's character code
    ThousandsSeparator,  // value: the separator's character code, 0 for none
    DifferenceUnit,      // value: 0 days, 1 months
    FirstCalendar,       // value: CalendarCode
    SecondCalendar,      // value: CalendarCode
};

struct OptionBinding {
    MainWindowControl id;
    OptionGroup group;
    int16_t value;
};

// Returns the bindings of all option buttons of the main window.
std::span<const OptionBinding> OptionBindings();

// Returns the binding of an option button, or nullptr for any other control.
const OptionBinding* OptionBindingOf(MainWindowControl id);

// Returns the option of `group` that stands for `value`, or frmMain when none.
MainWindowControl OptionOf(OptionGroup group, int16_t value);

}  // namespace tembrel
