// A button of a resizable window: its caption, its place in the window and
// whether it can be clicked.
#pragma once

#include <string>

#include "ui/model/window_geometry.h"

namespace tembrel {

struct ButtonState {
    std::string caption;
    ControlPlace place;
    bool enabled = true;
};

}  // namespace tembrel
