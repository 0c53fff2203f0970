// Reads the lines of a stream in bounded memory, whatever their length: a line
// longer than kMaxLineBytes is not kept but reported, so that one huge line
// neither fills the memory nor holds up the lines after it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace tembrel::cli {

// The longest line read as a date; a date with its options fits many times over.
inline constexpr size_t kMaxLineBytes = 4096;

// Whole lines read from a stream: each ends with "\n" (a last line without a line
// end gets one); a line longer than kMaxLineBytes is given as an empty line whose
// number is in `tooLong`.
struct Lines {
    std::string text;
    std::vector<size_t> tooLong;  // numbers of the over-long lines, from 0, ascending
    size_t count = 0;

    void Clear() {
        text.clear();
        tooLong.clear();
        count = 0;
    }
};

class LineReader {
  public:
    explicit LineReader(std::FILE* input) : input_(input) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Adds whole lines to `lines` until its text holds at least `bytes` bytes or
    // the input ends. Returns false when the input has ended (a read error ends
    // it too); `lines` may then still have received the last lines.
    bool Read(Lines& lines, size_t bytes);

  private:
    // Refills the buffer; false at the end of the input.
    bool Refill();

    std::FILE* input_;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    size_t position_ = 0;
    size_t end_ = 0;
    bool ended_ = false;
    size_t lineLength_ = 0;  // bytes of the line being read, already in the text
    bool skipping_ = false;  // inside an over-long line, already reported
};

}  // namespace tembrel::cli
