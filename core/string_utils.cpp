#include "core/string_utils.h"

#include <algorithm>
#include <cstddef>

namespace tembrel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The character sets of these routines are a few characters long: a plain loop
// beats a library search per character.
bool InSet(char c, std::string_view set) {
    for (const char member : set) {
        if (member == c) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string RemoveChars(std::string_view text, std::string_view set, int start) {
    const size_t first = start < 1 ? 0 : std::min(static_cast<size_t>(start - 1), text.size());
    std::string result(text);
    const auto kept = std::remove_if(result.begin() + static_cast<std::ptrdiff_t>(first),
                                     result.end(), [set](char c) { return InSet(c, set); });
    result.erase(kept, result.end());
    return result;
}

std::string RemoveSpaces(std::string_view text) {
    return RemoveChars(text, " ", 1);
}

int CountChar(std::string_view text, char c) {
    return static_cast<int>(std::count(text.begin(), text.end(), c));
}

bool IsNumberText(std::string_view text, bool signAllowed, bool commaAllowed) {
    text = TrimSpaces(text);
    if (text.empty()) {
        return false;
    }
    if (signAllowed && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return IsDigit(c) || (commaAllowed && c == ','); });
}

void KeepDigitsAndSign(std::string& text, bool minusAllowed) {
    bool digitSeen = false;
    bool plusKept = false;
    bool minusKept = false;
    std::string kept;
    for (char c : text) {
        if (IsDigit(c)) {
            digitSeen = true;
            kept.push_back(c);
        } else if (c == '+' && !digitSeen && !plusKept) {
            plusKept = true;
            kept.push_back(c);
        } else if (c == '-' && minusAllowed && !digitSeen && !minusKept) {
            minusKept = true;
            kept.push_back(c);
        }
    }
    text = std::move(kept);
}

void KeepDateChars(std::string& text, std::string_view extra) {
    std::erase_if(text, [&](char c) { return !IsDigit(c) && c != '-' && !InSet(c, extra); });
}

void CutAtNul(std::string& text) {
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        text.resize(nul);
    }
}

void TrimTrailingControl(std::string& text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) {
        text.pop_back();
    }
}

std::string FileExtensionOf(std::string_view path, bool lowerCase) {
    const size_t slash = path.find_last_of("\\/");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    const std::string_view extension = name.substr(dot + 1);
    return lowerCase ? LowerCase(extension) : std::string(extension);
}

void TrimSpacesInPlace(std::string& text) {
    const size_t last = text.find_last_not_of(' ');
    if (last == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(last + 1);
    text.erase(0, text.find_first_not_of(' '));
}

namespace {

// Lowers the characters of `text` in place: ASCII letters, and Ä Ö Ü (C3 84,
// C3 96, C3 9C), whose lower-case forms lie 0x20 higher.
void LowerInPlace(char* text, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            text[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == '\xC3' && i + 1 < size) {
            char& second = text[i + 1];
            if (second == '\x84' || second == '\x96' || second == '\x9C') {
                second = static_cast<char>(second + 0x20);
            }
            ++i;
        }
    }
}

}  // namespace

std::string LowerCase(std::string_view text) {
    std::string result(text);
    LowerInPlace(result.data(), result.size());
    return result;
}

void AppendLowerCase(TextAppender& out, std::string_view text) {
    char word[64];
    while (!text.empty()) {
        // Pieces of a word end before a lead byte, so no umlaut is cut in two.
        size_t size = std::min(text.size(), sizeof word);
        if (size < text.size() && text[size - 1] == '\xC3') {
            --size;
        }
        std::copy_n(text.data(), size, word);
        LowerInPlace(word, size);
        out.Add(std::string_view(word, size));
        text.remove_prefix(size);
    }
}

bool IsDigitText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

}  // namespace tembrel
