// zidiva6 — our text library: loads a language data file (format in
// text_file_format.h) and hands out its numbered texts.
//
// The two C-style entry points keep the library's calling convention:
//   lt (path, flags)                                   -> count or error code
//   gt (number, language, buffer, size, start-up flag) -> length, < 1 for no text
// Each TextStore holds the texts of one file; there is no state outside it.
#pragma once

#include <cstdint>
#include <string_view>

#include "libs/zidiva6/load_outcome.h"
#include "libs/zidiva6/text_file_format.h"

namespace tembrel::zidiva6 {

class TextStore {
  public:
    // Replaces the texts with those of a file's bytes. On any failure the store
    // is left empty, so texts of an earlier file are never handed out.
    LoadOutcome LoadFromMemory(std::string_view bytes) noexcept;

    // Reads the file at `path` (at most kMaxFileBytes of it; a longer file or an
    // endless stream is TooMuchText) and loads it like LoadFromMemory.
    LoadOutcome LoadFromFile(const char* path) noexcept;

    // Loads the file at `path`; `flags` must be 0. Returns the number of texts
    // read, or one of the codes of load_outcome.h.
    int32_t lt(const char* path, int32_t flags) noexcept;

    // Copies text `number` of `language` (slot 0..5) and a terminating zero into
    // `buffer` of `buffer_size` bytes and returns the text's length in bytes.
    // Returns 0 when the store has no such text, and -5 for a null buffer, a size
    // below 1, or a buffer too small for the text and its zero. Never writes
    // beyond `buffer_size` bytes; on every result below 1 with a usable buffer,
    // buffer[0] is zero. The start-up flag (0 during start-up, 1 afterwards) is
    // accepted for the calling convention; no text depends on it.
    int32_t gt(int32_t number, int32_t language, char* buffer, int32_t buffer_size,
               int32_t startup_flag) const noexcept;

    // Drops every text.
    void Clear() noexcept { texts_.clear(); }

    // Returns the number of texts held.
    int32_t Count() const noexcept { return static_cast<int32_t>(texts_.size()); }

    // Calls visit(number, language, text) for every text, in order of number and
    // then language.
    template <typename Visit>
    void ForEachText(Visit visit) const {
        for (const auto& [key, text] : texts_) {
            visit(key / kLanguageCount, key % kLanguageCount, std::string_view(text));
        }
    }

  private:
    TextMap texts_;
};

}  // namespace tembrel::zidiva6
