// Small text routines the parsers, formatters and windows rely on. Texts are
// UTF-8; the character sets these routines take are ASCII, so they work byte by
// byte. Positions count from 1. None of them fails: an empty text gives an empty
// or neutral result.
#pragma once

#include <string>
#include <string_view>

#include "core/text_appender.h"

namespace tembrel {

// Returns the text with every character of `set` removed from position `start` on
// (a start below 1 counts as 1; characters before the start stay).
std::string RemoveChars(std::string_view text, std::string_view set, int start);

// Returns the text without any space.
std::string RemoveSpaces(std::string_view text);

// Returns how many characters of the text equal `c`.
int CountChar(std::string_view text, char c);

// Returns true when the text, with spaces trimmed at both ends, is not empty and,
// after one leading "+" or "-" is dropped (only if a sign is allowed), consists
// only of digits and, if allowed, commas. A text that is only a sign passes.
bool IsNumberText(std::string_view text, bool signAllowed, bool commaAllowed);

// Keeps the digits, the first "+" if no digit came before it and, when
// `minusAllowed`, the first "-" if no digit came before it; removes everything else.
void KeepDigitsAndSign(std::string& text, bool minusAllowed);

// Keeps only the characters that occur in `extra` or in "-1234567890".
void KeepDateChars(std::string& text, std::string_view extra);

// Truncates the text before its first NUL character.
void CutAtNul(std::string& text);

// Removes characters with codes 0..32 from the end of the text.
void TrimTrailingControl(std::string& text);

// Returns the text after the last "." of the path's last component (the part after
// the last "\" or "/"), or the empty text when that part has no "."; in lower
// case when `lowerCase` is set.
std::string FileExtensionOf(std::string_view path, bool lowerCase);

// Returns the text without spaces at either end (line ends and tabs stay).
// Inline: every text the computation reads is trimmed first.
inline std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Removes the spaces at either end of the text, as TrimSpaces, in place.
void TrimSpacesInPlace(std::string& text);

// Returns the text in lower case: ASCII letters and the upper-case umlauts of the
// German texts (Ä, Ö, Ü); every other character is kept as it is.
std::string LowerCase(std::string_view text);

// Adds the text in lower case, as LowerCase writes it, without a copy on the heap.
void AppendLowerCase(TextAppender& out, std::string_view text);

// Returns true when the text consists of one or more ASCII digits only.
bool IsDigitText(std::string_view text);

}  // namespace tembrel
