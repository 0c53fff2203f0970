// The main window's icon, drawn in code: a small calendar sheet.
#pragma once

#include <QIcon>

namespace tembrel {

// Returns the 16 x 16 icon: a white sheet with a red heading band and a grid of
// days, one of them marked.
QIcon MainWindowIcon();

}  // namespace tembrel
