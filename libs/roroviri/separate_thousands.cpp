// Digit grouping of a number text.
#include <cstddef>
#include <cstdint>

#include "libs/roroviri/roroviri.h"

namespace {

constexpr size_t kBufferSize = kSeparateThousandsBufferSize;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Returns the length of a text, but stops counting at kBufferSize: a longer text
// fits in no form, and nothing past that point is read.
size_t BoundedLength(const char* text) {
    size_t length = 0;
    while (length < kBufferSize && text[length] != '\0') {
        ++length;
    }
    return length;
}

// Returns true when the text is digits with an optional leading "-".
bool IsSignedDigits(const char* text, size_t length) {
    const size_t first = text[0] == '-' ? 1 : 0;
    if (first == length) {
        return false;
    }
    for (size_t i = first; i < length; ++i) {
        if (!IsDigit(text[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" {

// A text that is not digits with an optional leading "-", or a separator outside
// 1..255, gets no separators: it is copied unchanged when it fits.
void separate_thousands(const char* digits, int32_t separator, char* out) {
    if (out == nullptr) {
        return;
    }
    out[0] = '\0';
    if (digits == nullptr) {
        return;
    }
    const size_t length = BoundedLength(digits);
    if (length >= kBufferSize) {
        return;  // not even the unchanged text fits with its NUL
    }
    const bool group = separator >= 1 && separator <= 255 && IsSignedDigits(digits, length);
    const size_t signLength = digits[0] == '-' ? 1 : 0;
    const size_t digitCount = length - signLength;
    const size_t groupedLength = group ? length + (digitCount - 1) / 3 : length;
    size_t written = 0;
    if (!group || groupedLength >= kBufferSize) {
        for (; written < length; ++written) {
            out[written] = digits[written];
        }
    } else {
        const auto separatorChar = static_cast<char>(separator);
        for (size_t i = 0; i < length; ++i) {
            out[written++] = digits[i];
            const size_t digitsAfter = length - 1 - i;
            if (i >= signLength && digitsAfter > 0 && digitsAfter % 3 == 0) {
                out[written++] = separatorChar;
            }
        }
    }
    out[written] = '\0';  // written < kBufferSize
}

}  // extern "C"
