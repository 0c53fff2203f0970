// The main window's layout table: every control with its kind, container, place
// (twips), font and colour. The window is not resizable; its client area is
// kMainClientWidth x kMainClientHeight twips.
#pragma once

#include <cstdint>
#include <span>

#include "ui/model/layout_table.h"
#include "ui/model/main_controls.h"

namespace tembrel {

using MainControlEntry = ControlEntry<MainWindowControl>;

inline constexpr int32_t kMainClientWidth = 11445;
inline constexpr int32_t kMainClientHeight = 7665;

// Returns the table, containers before the controls they hold, every control
// exactly once.
std::span<const MainControlEntry> MainWindowLayout();

// Returns the table entry of a control; frmMain has none (nullptr).
const MainControlEntry* MainControlOf(MainWindowControl id);

}  // namespace tembrel
