// The key and mouse button codes the window handlers receive, the same in every
// window: a key is its character's code, with the clipboard keys and Backspace
// given by their control codes.
#pragma once

namespace tembrel {

inline constexpr int kKeyCtrlC = 3;  // copy
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyCtrlV = 22;  // paste
inline constexpr int kKeyCtrlX = 24;  // cut

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

}  // namespace tembrel
