// The places of the resizable windows between runs, in a file of their own
// beside the settings file, so that "vrn.usr" keeps its fifteen lines: one
// line per window,
//
//   <name> <left> <top> <width> <height> <normal|maximized>
//
// in twips, the window's outer place, lines ended by LF. The file is replaced
// atomically; lines of windows this program does not know are kept, so that
// another version's windows keep their places. Nothing here throws or shows a
// message: a missing, damaged or oversized file gives no place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tembrel {

inline constexpr std::string_view kWindowPlacesFileName = "windows.usr";
// The largest file read; a larger one counts as damaged and is replaced.
inline constexpr size_t kMaxWindowPlacesFileBytes = 64 * 1024;
// The largest magnitude of a saved position or size: far beyond any screen.
inline constexpr int64_t kMaxSavedTwips = 1'000'000'000;

struct SavedWindowPlace {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;   // > 0
    int32_t height = 0;  // > 0
    bool maximized = false;

    friend bool operator==(const SavedWindowPlace&, const SavedWindowPlace&) = default;
};

// Returns the place of the window `name` in the file's text: its last
// well-formed line (six fields, whole numbers within kMaxSavedTwips, a
// positive size), or nothing.
std::optional<SavedWindowPlace> WindowPlaceIn(std::string_view text, std::string_view name);

// Returns the text with the line of `name` replaced by `place` (added at the
// end when it has none); the other lines stay as they are.
std::string WithWindowPlace(std::string_view text, std::string_view name,
                            const SavedWindowPlace& place);

// Reads the place of the window `name` from the file at `path`.
std::optional<SavedWindowPlace> ReadWindowPlace(const std::filesystem::path& path,
                                                std::string_view name);

// Saves the place of the window `name` in the file at `path`, keeping the other
// windows' lines; returns false when the file could not be replaced (it then
// stays as it was).
bool WriteWindowPlace(const std::filesystem::path& path, std::string_view name,
                      const SavedWindowPlace& place);

}  // namespace tembrel
