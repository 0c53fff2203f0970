#include "settings/window_places.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "settings/atomic_file.h"
#include "settings/capped_read.h"

namespace tembrel {

namespace {

// Splits a line into the words between blanks.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (at < line.size()) {
        const size_t start = line.find_first_not_of(" \t\r", at);
        if (start == std::string_view::npos) {
            break;
        }
        const size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

std::optional<int32_t> Twips(std::string_view word) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value > kMaxSavedTwips ||
        value < -kMaxSavedTwips) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);  // within ±kMaxSavedTwips
}

std::optional<SavedWindowPlace> PlaceOfWords(const std::vector<std::string_view>& words) {
    if (words.size() != 6 || (words[5] != "normal" && words[5] != "maximized")) {
        return std::nullopt;
    }
    const std::optional<int32_t> left = Twips(words[1]);
    const std::optional<int32_t> top = Twips(words[2]);
    const std::optional<int32_t> width = Twips(words[3]);
    const std::optional<int32_t> height = Twips(words[4]);
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) {
        return std::nullopt;
    }
    return SavedWindowPlace{*left, *top, *width, *height, words[5] == "maximized"};
}

// Calls `visit` with each line of the text, without its line end.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        visit(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

}  // namespace

std::optional<SavedWindowPlace> WindowPlaceIn(std::string_view text, std::string_view name) {
    std::optional<SavedWindowPlace> found;
    ForEachLine(text, [&](std::string_view line) {
        const std::vector<std::string_view> words = Words(line);
        if (!words.empty() && words.front() == name) {
            if (const std::optional<SavedWindowPlace> place = PlaceOfWords(words)) {
                found = place;
            }
        }
    });
    return found;
}

std::string WithWindowPlace(std::string_view text, std::string_view name,
                            const SavedWindowPlace& place) {
    std::string result;
    ForEachLine(text, [&](std::string_view line) {
        const std::vector<std::string_view> words = Words(line);
        if (!words.empty() && words.front() != name) {
            result.append(line).append("\n");
        }
    });
    result.append(name)
        .append(" ")
        .append(std::to_string(place.left))
        .append(" ")
        .append(std::to_string(place.top))
        .append(" ")
        .append(std::to_string(place.width))
        .append(" ")
        .append(std::to_string(place.height))
        .append(place.maximized ? " maximized\n" : " normal\n");
    return result;
}

std::optional<SavedWindowPlace> ReadWindowPlace(const std::filesystem::path& path,
                                                std::string_view name) {
    std::string bytes;
    if (path.empty() ||
        ReadFileCapped(path, kMaxWindowPlacesFileBytes, bytes) != SettingsReadStatus::Read) {
        return std::nullopt;
    }
    return WindowPlaceIn(bytes, name);
}

bool WriteWindowPlace(const std::filesystem::path& path, std::string_view name,
                      const SavedWindowPlace& place) {
    if (path.empty()) {
        return false;
    }
    std::string bytes;
    if (ReadFileCapped(path, kMaxWindowPlacesFileBytes, bytes) != SettingsReadStatus::Read) {
        bytes.clear();  // missing or damaged: only this window's line is written
    }
    return WriteFileAtomically(path, WithWindowPlace(bytes, name, place));
}

}  // namespace tembrel
