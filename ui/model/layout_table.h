// The layout tables of the fixed-size windows: every control by name, kind,
// container, place (twips, relative to the inner top left corner of its
// container), font and colour. The tables are toolkit-free; the desktop windows
// build their widgets from them, so a control's place is written down once.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/model/window_geometry.h"

namespace tembrel {

enum class ControlKind : int16_t {
    Frame,         // a borderless container without caption
    Label,         // a static text
    LinkLabel,     // a static text shown as a link
    Button,        // a command button
    Option,        // an option button; the options of one container form a group
    CheckBox,      // a check box
    TextBox,       // a one-line text box
    OutputBox,     // a read-only multi-line text box with a vertical scroll bar
    Spinner,       // a two-arrow spinner: up steps forward, down steps back
    DropDownList,  // a drop-down list without typing
    ListBox,       // a list of lines, one of which can be selected
};

// The fonts of the windows, by role; the desktop windows map each to a face and
// a size.
enum class FontClass : int16_t {
    Window,  // the window's own font (9.75 pt)
    Panel,   // controls inside the panels (8.25 pt)
    Link,    // the link labels (8.25 pt, underlined)
    Output,  // the output box (fixed pitch, 9 pt)
    Grid,    // the month window's grid and ISO panel (fixed pitch, 9.75 pt)
};

// The colour schemes of the controls.
enum class ColourClass : int16_t {
    Background,  // the window's background colour, black text
    Link,        // the window's background colour, blue text
    Toolkit,     // the toolkit's own colours (buttons, text boxes, lists)
};

// One control. `Id` is the window's own control enumeration, which also names the
// window itself as the container of the top-level controls.
template <typename Id>
struct ControlEntry {
    Id id;
    std::string_view name;  // the control's name, with its index for control arrays
    ControlKind kind;
    Id container;
    ControlPlace place;
    FontClass font;
    ColourClass colour;
    bool centred = false;  // labels: text centred instead of left-aligned
};

// Returns the entry of `id` in `table`, or nullptr when the table has none.
template <typename Id>
constexpr const ControlEntry<Id>* FindControl(std::span<const ControlEntry<Id>> table, Id id) {
    for (const ControlEntry<Id>& entry : table) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace tembrel
