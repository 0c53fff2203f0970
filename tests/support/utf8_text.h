// Characters of UTF-8 text, for tests that type, cut and check texts
// character by character.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tembrel::test_support {

// Returns true for the second, third or fourth byte of a UTF-8 character.
inline bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Returns the text's byte offset `offset`, clamped to it and moved back to the
// start of its character.
inline size_t CharacterStart(std::string_view text, int64_t offset) {
    size_t at =
        static_cast<size_t>(std::clamp<int64_t>(offset, 0, static_cast<int64_t>(text.size())));
    while (at > 0 && at < text.size() && IsContinuation(text[at])) {
        --at;
    }
    return at;
}

// Returns true when every character of the text is a lead byte that UTF-8 uses
// followed by as many continuation bytes as it announces.
inline bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80                   ? 1
                              : lead >= 0xC2 && lead < 0xE0 ? 2
                              : lead >= 0xE0 && lead < 0xF0 ? 3
                              : lead >= 0xF0 && lead < 0xF5 ? 4
                                                            : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            if (!IsContinuation(text[i + k])) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// Returns the first `count` characters of a UTF-8 text.
inline std::string FirstCharacters(std::string_view text, int count) {
    size_t end = 0;
    for (int taken = 0; end < text.size() && taken < count; ++taken) {
        ++end;
        while (end < text.size() && IsContinuation(text[end])) {
            ++end;
        }
    }
    return std::string(text.substr(0, end));
}

// Returns the code points of a text that IsValidUtf8 accepts.
inline std::vector<int32_t> CodePoints(std::string_view text) {
    std::vector<int32_t> codes;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        int32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + static_cast<size_t>(k) < text.size(); ++k) {
            code =
                (code << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3F);
        }
        codes.push_back(code);
        i += static_cast<size_t>(length);
    }
    return codes;
}

// Returns a code point as UTF-8; nothing for surrogates and beyond Unicode.
inline std::string Utf8Of(int32_t code) {
    std::string out;
    const auto byte = [&out](int32_t value) { out += static_cast<char>(value); };
    if (code < 0 || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) {
        return out;
    }
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
    return out;
}

}  // namespace tembrel::test_support
