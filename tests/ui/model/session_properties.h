// What must hold in the random session (random_session.h) whatever the user
// did: each check returns the property it finds broken, with what it saw.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"
#include "ui/model/large_display_model.h"
#include "ui/model/main_form.h"

namespace tembrel::test_support {

// A broken property: its statement, and what broke it.
struct Broken {
    std::string property;
    std::string detail;
};

// Properties a session lets pass: those of faults known and reported but not yet
// mended, so that the session goes on looking for others.
using KnownFaults = std::vector<std::string>;

// The output only grows (checked after every action but Clear and an accepted
// Reset), and what is added is UTF-8 as the texts typed were.
std::optional<Broken> CheckOutputGrew(std::string_view before, std::string_view after);

// The input fields hold UTF-8 text.
std::optional<Broken> CheckFieldsAreUtf8(const MainFormState& form);

// Every option group has exactly one option selected; check boxes are 0 or 1.
std::optional<Broken> CheckOptionsAndCheckBoxes(const MainForm& main);

// The two counting check boxes are shown exactly while days are counted.
std::optional<Broken> CheckCountingOptions(const MainForm& main);

// The language list has an entry selected and the captions are in its language.
std::optional<Broken> CheckCaptionsFollowTheList(const MainForm& main);

// A large display not minimised is at least its minimum size, with the text box
// above the buttons and both buttons inside the window.
std::optional<Broken> CheckLargeLayout(const LargeDisplayState& state);

// The state restored at a start is the one saved at the Quit before: every
// value, and the fields and the output as the settings file keeps them. A field
// is compared without the spaces around it, which the start may trim; restoring
// a date order or separator other than the first run's empties the restored
// fields, as choosing it does.
std::optional<Broken> CheckRestored(const UserSettings& saved, const UserSettings& restored);

}  // namespace tembrel::test_support
