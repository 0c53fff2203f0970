#include "ui/model/option_bindings.h"

#include <array>

#include "core/calendar_codes.h"

namespace tembrel {

namespace {

using C = MainWindowControl;
using G = OptionGroup;

constexpr int16_t Code(CalendarCode cal) {
    return static_cast<int16_t>(cal);
}

constexpr int16_t Order(DateOrder order) {
    return static_cast<int16_t>(order);
}

constexpr std::array kBindings = {
    OptionBinding{C::optDateFormatIsYMD, G::DateOrder, Order(DateOrder::YMD)},
    OptionBinding{C::optDateFormatIsDMY, G::DateOrder, Order(DateOrder::DMY)},
    OptionBinding{C::optDateFormatIsMDY, G::DateOrder, Order(DateOrder::MDY)},
    OptionBinding{C::optSeparatorIsDash, G::DateSeparator, '-'},
    OptionBinding{C::optSeparatorIsDot, G::DateSeparator, '.'},
    OptionBinding{C::optSeparatorIsSlash, G::DateSeparator, '/'},
    OptionBinding{C::optThousSepIsComma, G::ThousandsSeparator, ','},
    OptionBinding{C::optThousSepIsDot, G::ThousandsSeparator, '.'},
    OptionBinding{C::optThousSepNone, G::ThousandsSeparator, 0},
    OptionBinding{C::optDays, G::DifferenceUnit, 0},
    OptionBinding{C::optMonths, G::DifferenceUnit, 1},
    OptionBinding{C::optFirstDateIsCE, G::FirstCalendar, Code(CalendarCode::CE)},
    OptionBinding{C::optFirstDateIsISO, G::FirstCalendar, Code(CalendarCode::ISO)},
    OptionBinding{C::optFirstDateIsJC, G::FirstCalendar, Code(CalendarCode::JC)},
    OptionBinding{C::optFirstDateIsORD, G::FirstCalendar, Code(CalendarCode::ORD)},
    OptionBinding{C::optFirstDateIsLPM, G::FirstCalendar, Code(CalendarCode::LPM)},
    OptionBinding{C::optFirstDateIsLPW, G::FirstCalendar, Code(CalendarCode::LPW)},
    OptionBinding{C::optFirstDateIsJDN, G::FirstCalendar, Code(CalendarCode::JDN)},
    OptionBinding{C::optSecondDateIsCE, G::SecondCalendar, Code(CalendarCode::CE)},
    OptionBinding{C::optSecondDateIsISO, G::SecondCalendar, Code(CalendarCode::ISO)},
    OptionBinding{C::optSecondDateIsJC, G::SecondCalendar, Code(CalendarCode::JC)},
    OptionBinding{C::optSecondDateIsORD, G::SecondCalendar, Code(CalendarCode::ORD)},
    OptionBinding{C::optSecondDateIsLPM, G::SecondCalendar, Code(CalendarCode::LPM)},
    OptionBinding{C::optSecondDateIsLPW, G::SecondCalendar, Code(CalendarCode::LPW)},
    OptionBinding{C::optSecondDateIsJDN, G::SecondCalendar, Code(CalendarCode::JDN)},
};

}  // namespace

std::span<const OptionBinding> OptionBindings() {
    return kBindings;
}

const OptionBinding* OptionBindingOf(MainWindowControl id) {
    for (const OptionBinding& binding : kBindings) {
        if (binding.id == id) {
            return &binding;
        }
    }
    return nullptr;
}

MainWindowControl OptionOf(OptionGroup group, int16_t value) {
    for (const OptionBinding& binding : kBindings) {
        if (binding.group == group && binding.value == value) {
            return binding.id;
        }
    }
    return C::frmMain;
}

}  // namespace tembrel
