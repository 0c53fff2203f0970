// Window positions and sizes in twips (1/1440 inch; 15 twips are one pixel at
// 96 dots per inch), as the window models keep them. The desktop windows convert
// at their edge.
#pragma once

#include <algorithm>
#include <cstdint>

namespace tembrel {

// A window's place on the screen: outer left, top, width and height.
struct TwipsRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// A control's place inside its window's client area.
struct ControlPlace {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The three states of a top-level window.
enum class WindowState : int16_t { Normal, Minimized, Maximized };

// The largest magnitude a computed position or size may take: far beyond any
// screen (about 700 metres), so clamping never changes a real layout.
inline constexpr int64_t kTwipsLimit = 1'000'000'000;

// Returns a position or size computed in 64 bits (a sum of a few 32-bit values)
// clamped to +-kTwipsLimit, so that no layout rule can overflow 32 bits.
constexpr int32_t ClampTwips(int64_t value) {
    return static_cast<int32_t>(std::clamp(value, -kTwipsLimit, kTwipsLimit));
}

}  // namespace tembrel
