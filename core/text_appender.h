// A small write buffer in front of a std::string, for the formatters. A date is
// written as a dozen pieces of one to four characters; appending each piece to a
// std::string costs a call and a capacity check, so the pieces are gathered here
// and handed to the string together. The string receives them when the buffer is
// full, on Flush, and when the appender is destroyed: read the string only after
// that.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tembrel {

class TextAppender {
  public:
    explicit TextAppender(std::string& text) : text_(text) {}
    TextAppender(const TextAppender&) = delete;
    TextAppender& operator=(const TextAppender&) = delete;
    ~TextAppender() { Flush(); }

    void Add(char c) {
        if (size_ == kCapacity) {
            Flush();
        }
        buffer_[size_++] = c;
    }

    void Add(std::string_view piece) {
        if (piece.size() > kCapacity - size_) {
            AddAfterFlush(piece);
            return;
        }
        if (piece.size() <= kShortPiece) {
            // A code, a date, a word: a few moves here cost less than a call.
            char* to = buffer_ + size_;
            for (size_t i = 0; i < piece.size(); ++i) {
                to[i] = piece[i];
            }
            size_ += piece.size();
            return;
        }
        std::memcpy(buffer_ + size_, piece.data(), piece.size());
        size_ += piece.size();
    }

    // Adds a string literal: its length is known where it is written, so that the
    // copy becomes a few stores.
    template <size_t N>
    void Add(const char (&literal)[N]) {
        Add(std::string_view(literal, N - 1));
    }

    // Adds a whole number with at least `minDigits` digits, zeros in front, and a
    // "-" before the digits when it is negative: (5, 2) adds "05", (-45, 4)
    // "-0045". Any 64-bit value and any digit count.
    void AddNumber(int64_t value, int minDigits) {
        if (value >= 0 && value < 10000 && minDigits <= 4 && size_ + 4 <= kCapacity) {
            // Inline for the numbers of almost every date written: years 0 to
            // 9999, months, weeks, days and weekdays.
            const auto small = static_cast<uint32_t>(value);
            const size_t digits = small < 10 ? 1 : small < 100 ? 2 : small < 1000 ? 3 : 4;
            const size_t width = minDigits > 0 && digits < static_cast<size_t>(minDigits)
                                     ? static_cast<size_t>(minDigits)
                                     : digits;
            WriteDigits(buffer_ + size_ + width, small, width);
            size_ += width;
            return;
        }
        AddAnyNumber(value, minDigits);
    }

    // Claims room for `count` characters (at most a few dozen) and returns where
    // they go; the caller writes every one of them. For the writers of the most
    // common dates, which then check for room once instead of once per piece.
    char* Claim(size_t count) {
        if (count > kCapacity - size_) {
            Flush();
        }
        char* const at = buffer_ + size_;
        size_ += count;
        return at;
    }

    // Writes the last `count` digits of a value below 10^count at `at`, zeros in
    // front ("0015" for 15 and four digits).
    static void WriteFixedDigits(char* at, uint32_t value, size_t count) {
        WriteDigits(at + count, value, count);
    }

    // Hands the gathered pieces to the string.
    void Flush();

    // Returns the length of the text: what the string holds and what is gathered.
    size_t Size() const { return text_.size() + size_; }

  private:
    // A few report lines: a writer of many lines (the batch mode) hands them to
    // its string a few at a time.
    static constexpr size_t kCapacity = 256;
    // Pieces up to this long are copied byte by byte.
    static constexpr size_t kShortPiece = 16;

    // The decimal pairs 00 to 99, for writing two digits per division. The table
    // earns its place where the width is known, as in every date written:
    // bench/number_text_bench.cpp (FixedDigits) writes a date's 4 + 2 + 2 digits
    // in 2.3 ns with it against 26 ns with std::to_chars and the zeros in front.
    // A number of any width goes through std::to_chars (AddAnyNumber), which
    // beats counting its digits for the table (WholeNumber: 14.2 ns against
    // 17.5 ns for day numbers across the range, 8.5 against 9.4 ns in years
    // 1..9999).
    static constexpr char kDigitPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";

    // Writes the last `count` decimal digits of `magnitude` so that they end just
    // before `end`, zeros in front when the number has fewer digits. Two digits
    // per division: each division waits for the one before, so halving their
    // number halves the wait.
    static void WriteDigits(char* end, uint32_t magnitude, size_t count) {
        for (; count >= 2; count -= 2) {
            const auto pair = static_cast<size_t>(magnitude % 100);
            magnitude /= 100;
            end -= 2;
            end[0] = kDigitPairs[2 * pair];
            end[1] = kDigitPairs[2 * pair + 1];
        }
        if (count == 1) {
            end[-1] = static_cast<char>('0' + magnitude % 10);
        }
    }

    // Add when the buffer has no room: flushes it first, and hands a piece wider
    // than the buffer to the string directly. Out of line, like AddAnyNumber (the
    // general AddNumber, on std::to_chars), so that the common case stays small
    // enough to inline.
    void AddAfterFlush(std::string_view piece);
    void AddAnyNumber(int64_t value, int minDigits);

    std::string& text_;
    char buffer_[kCapacity];
    size_t size_ = 0;
};

}  // namespace tembrel
