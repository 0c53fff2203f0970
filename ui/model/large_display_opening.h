// Opening the large display from the main window's Enlarge button.
#pragma once

#include "ui/model/large_display_model.h"
#include "ui/model/main_form_state.h"
#include "ui/model/user_dialogs.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

// Where the large display stands relative to the main window (twips): 380 below
// and 100 right of its top left corner, ending 100 inside its right and bottom
// edges.
inline constexpr int32_t kLargeDisplayOffsetTop = 380;
inline constexpr int32_t kLargeDisplayOffsetLeft = 100;
inline constexpr int32_t kLargeDisplayInset = 100;

// Returns the large display's place for the main window's place `mainWindow`.
TwipsRect LargeDisplayPlace(const TwipsRect& mainWindow);

// The main window's Enlarge button: trims spaces at both ends of the output box
// (line ends stay). An empty output shows "The output window is empty." (title
// "Output window", exclamation icon), moves the main window's focus and returns
// false. Otherwise restores a minimised large display, places it, gives it the
// Enlarge button's caption and the output text, shows it and returns true.
bool cmdEnlarge_Click(MainFormState& main, const TwipsRect& mainWindow, UserDialogs& dialogs,
                      LargeDisplayModel& window);

}  // namespace tembrel
