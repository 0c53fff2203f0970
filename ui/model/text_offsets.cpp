#include "ui/model/text_offsets.h"

#include <algorithm>

namespace tembrel {

namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Returns how many bytes the unit of `text` starting at `pos` takes, and how
// many display positions it counts for: a CR LF pair, or one UTF-8 character
// (two UTF-16 code units above U+FFFF, a lone continuation byte one).
struct Unit {
    size_t bytes;
    int positions;
};

Unit UnitAt(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
        return {2, 1};
    }
    const size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    size_t bytes = 1;
    while (bytes < expected && pos + bytes < text.size() &&
           IsContinuationByte(static_cast<unsigned char>(text[pos + bytes]))) {
        ++bytes;
    }
    return {bytes, expected == 4 && bytes == 4 ? 2 : 1};
}

}  // namespace

int CharacterCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return !IsContinuationByte(static_cast<unsigned char>(c));
    }));
}

std::string DisplayText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            shown += text[i];
        }
    }
    return shown;
}

int DisplayIndexOfByte(std::string_view text, int byteOffset) {
    const size_t limit =
        static_cast<size_t>(std::clamp(byteOffset, 0, static_cast<int>(text.size())));
    int index = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const Unit unit = UnitAt(text, pos);
        if (pos + unit.bytes > limit) {
            break;
        }
        pos += unit.bytes;
        index += unit.positions;
    }
    return index;
}

int ByteOfDisplayIndex(std::string_view text, int displayIndex) {
    int index = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const Unit unit = UnitAt(text, pos);
        if (index + unit.positions > displayIndex) {
            break;
        }
        pos += unit.bytes;
        index += unit.positions;
    }
    return static_cast<int>(pos);
}

}  // namespace tembrel
