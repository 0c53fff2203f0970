#include "cli/line_reader.h"

#include <cstring>

namespace tembrel::cli {

bool LineReader::Refill() {
    if (ended_) {
        return false;
    }
    position_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), input_);
    ended_ = end_ == 0;
    return !ended_;
}

bool LineReader::Read(Lines& lines, size_t bytes) {
    // Lines are only ever cut at their ends, so a read stops between two lines.
    while (lineLength_ > 0 || skipping_ || lines.text.size() < bytes) {
        if (position_ == end_ && !Refill()) {
            if (lineLength_ > 0) {
                lines.text += '\n';  // the last line had no line end
                ++lines.count;
                lineLength_ = 0;
            }
            skipping_ = false;
            return false;
        }
        const char* start = buffer_.data() + position_;
        const size_t available = end_ - position_;
        const auto* lineEnd = static_cast<const char*>(std::memchr(start, '\n', available));
        const size_t piece = lineEnd ? static_cast<size_t>(lineEnd - start) : available;
        position_ += lineEnd ? piece + 1 : piece;
        if (skipping_) {
            skipping_ = lineEnd == nullptr;
            continue;
        }
        if (lineLength_ + piece > kMaxLineBytes) {
            // Drop what was kept of the line and give it as an empty one.
            lines.text.resize(lines.text.size() - lineLength_);
            lines.text += '\n';
            lines.tooLong.push_back(lines.count++);
            lineLength_ = 0;
            skipping_ = lineEnd == nullptr;
            continue;
        }
        lines.text.append(start, piece);
        if (lineEnd) {
            lines.text += '\n';
            ++lines.count;
            lineLength_ = 0;
        } else {
            lineLength_ += piece;
        }
    }
    return true;
}

}  // namespace tembrel::cli
