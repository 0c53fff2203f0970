#include "core/text_appender.h"

namespace tembrel {

void TextAppender::Flush() {
    text_.append(buffer_, size_);
    size_ = 0;
}

void TextAppender::AddAfterFlush(std::string_view piece) {
    Flush();
    if (piece.size() > kCapacity) {
        text_.append(piece);
        return;
    }
    Add(piece);
}

namespace {

// Returns the number of decimal digits of a number; 1 for 0.
size_t DigitCount(uint64_t magnitude) {
    size_t count = 1;
    for (uint64_t bound = 10; count < 20 && magnitude >= bound; bound *= 10) {
        ++count;  // bound = 10^count, which fits in 64 bits for count < 20
    }
    return count;
}

}  // namespace

void TextAppender::AddAnyNumber(int64_t value, int minDigits) {
    // The magnitude of INT64_MIN does not fit in int64_t; uint64_t holds it.
    const uint64_t magnitude =
        value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const size_t digits = DigitCount(magnitude);
    // The digits with the zeros in front of them.
    const size_t width = minDigits > 0 && digits < static_cast<size_t>(minDigits)
                             ? static_cast<size_t>(minDigits)
                             : digits;
    const size_t sign = value < 0 ? 1 : 0;
    if (sign + width > kCapacity - size_) {
        Flush();
    }
    if (sign + width > kCapacity) {
        // Only a padding wider than the buffer: piece by piece.
        if (sign != 0) {
            Add('-');
        }
        for (size_t zeros = width - digits; zeros > 0; --zeros) {
            Add('0');
        }
        char written[20];
        WriteDigits(written + digits, magnitude, digits);
        Add(std::string_view(written, digits));
        return;
    }
    if (sign != 0) {
        buffer_[size_++] = '-';
    }
    // 32-bit divisions where the number allows: half the work of 64-bit ones.
    if (magnitude <= UINT32_MAX) {
        WriteDigits(buffer_ + size_ + width, static_cast<uint32_t>(magnitude), width);
    } else {
        WriteDigits(buffer_ + size_ + width, magnitude, width);
    }
    size_ += width;
}

}  // namespace tembrel
