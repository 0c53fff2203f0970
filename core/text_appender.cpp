#include "core/text_appender.h"

#include <charconv>

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

void TextAppender::AddAnyNumber(int64_t value, int minDigits) {
    // The magnitude of INT64_MIN does not fit in int64_t; uint64_t holds it.
    const uint64_t magnitude =
        value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char digits[20];  // 2^64 has 20 digits
    const auto length =
        static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
    if (value < 0) {
        Add('-');
    }
    for (size_t zeros = minDigits > 0 ? static_cast<size_t>(minDigits) : 0; zeros > length;
         --zeros) {
        Add('0');
    }
    Add(std::string_view(digits, length));
}

}  // namespace tembrel
