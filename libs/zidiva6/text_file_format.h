// The language data file: numbered texts in several languages, one per line.
//
//   # A line starting with # is a comment; blank lines are ignored.
//   1.en = Tembrel
//   18.de = Möchten Sie alles zurückstellen?
//   20.en = First line\nsecond line
//
// An entry is <number>.<language> = <text>:
//   number    1..kMaxNumber, decimal digits
//   language  en English, de German, fr French, pt Portuguese, es Spanish,
//             xx the spare slot (slots 0..5 in this order)
//   text      everything after "=", without the blanks around it; \n is a line
//             break (stored as CR LF) and \\ a backslash. At most kMaxTextBytes
//             bytes once the escapes are replaced.
// Each number may appear once per language. The file is UTF-8, with or without
// a byte order mark; lines end with LF or CR LF. Control characters other than
// tab are not allowed anywhere.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "libs/zidiva6/load_outcome.h"

namespace tembrel::zidiva6 {

inline constexpr int32_t kLanguageCount = 6;
inline constexpr int32_t kMaxNumber = 32767;

// Size of the buffer that gt fills; a text must fit with its terminating zero.
inline constexpr int32_t kTextBufferSize = 1024;
inline constexpr int32_t kMaxTextBytes = kTextBufferSize - 1;

// The language tags of the file, indexed by language slot.
inline constexpr std::array<std::string_view, kLanguageCount> kLanguageTags = {"en", "de", "fr",
                                                                               "pt", "es", "xx"};

// The texts of a file, keyed by TextKey(number, language).
using TextMap = std::map<int32_t, std::string>;

// Combines a number (1..kMaxNumber) and a language slot (0..5) into one key.
constexpr int32_t TextKey(int32_t number, int32_t language) {
    return number * kLanguageCount + language;  // at most 196607
}

// Parses the bytes of a language data file into `texts` and reports the first
// problem in file order, with its line number. `texts` holds every text of the
// file when the status is Loaded, and is unspecified otherwise. Throws only
// std::bad_alloc.
LoadOutcome ParseTextFile(std::string_view bytes, TextMap& texts);

}  // namespace tembrel::zidiva6
