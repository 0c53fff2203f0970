#include "libs/zidiva6/utf8.h"

#include <cstddef>
#include <cstdint>

namespace tembrel::zidiva6 {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Returns the length of the sequence led by `lead` (1..4), or 0 for a byte that
// cannot lead one (a continuation byte, C0, C1, F5..FF).
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Returns true when the second byte of a sequence is allowed after `lead`. The
// narrower ranges after E0, ED, F0 and F4 exclude overlong forms, surrogates and
// code points above U+10FFFF.
bool IsAllowedSecond(unsigned char lead, unsigned char second) {
    switch (lead) {
        case 0xE0:
            return second >= 0xA0 && second <= 0xBF;
        case 0xED:
            return second >= 0x80 && second <= 0x9F;
        case 0xF0:
            return second >= 0x90 && second <= 0xBF;
        case 0xF4:
            return second >= 0x80 && second <= 0x8F;
        default:
            return IsContinuation(second);
    }
}

}  // namespace

bool IsWellFormedUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = SequenceLength(lead);
        if (length == 0 || bytes.size() - i < static_cast<std::size_t>(length)) {
            return false;
        }
        if (length > 1) {
            if (!IsAllowedSecond(lead, static_cast<unsigned char>(bytes[i + 1]))) {
                return false;
            }
            for (int k = 2; k < length; ++k) {
                if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) {
                    return false;
                }
            }
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

}  // namespace tembrel::zidiva6
