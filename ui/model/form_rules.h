// The main window's rules the computation relies on: which calendar a date field
// uses, the chosen date order, the notation options in force, and where the focus
// goes after an action.
#pragma once

#include <cstdint>

#include "core/notation.h"
#include "ui/model/main_form_state.h"

namespace tembrel {

// Puts the separators back to their start-up values. The limits and code tables
// are constants and need no filling.
void InitCalendarTables(Separators& separators);

// GetCal: the calendar selected for a date field. `intFirstOrSecond` 1 means the
// first date's group, any other value the second's.
CalendarCode GetCal(const MainFormState& form, int16_t intFirstOrSecond);
CalendarCode GetCal(const MainFormState& form, DateField field);

// Returns the date order chosen in the date order group.
DateOrder UsersDateFormat(const MainFormState& form);

// Returns the notation options in force: the date order, the two separators and
// the given hyphen flag (the check box's value, or the snapshot's during a
// Compute).
NotationOptions CurrentNotation(const MainFormState& form, bool hyphen);

// Moves the focus after an action: to Compute when at least two of the three
// input fields hold text (spaces count), else to the first empty field. Does
// nothing before start-up has completed or while the window is disabled.
void SetTheFocus(MainFormState& form);

// Puts the focus into date field 1 or 2 with the caret after its last character;
// any other number does nothing.
void FocusDateField(MainFormState& form, int fieldNumber);

}  // namespace tembrel
