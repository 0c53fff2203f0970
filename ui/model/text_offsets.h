// Positions in the texts of the text boxes. The form model counts carets and
// selections in bytes of UTF-8 text whose lines end in CR LF; a desktop text box
// counts UTF-16 code units and shows each CR LF as one line break. These
// routines translate between the two and never fail: positions outside the
// text are clamped to it.
#pragma once

#include <string>
#include <string_view>

namespace tembrel {

// Returns how many characters (code points) a UTF-8 text holds.
int CharacterCount(std::string_view text);

// Returns the text with every CR LF turned into a single LF, as a text box
// shows it.
std::string DisplayText(std::string_view text);

// Returns the position in the displayed text (UTF-16 code units, CR LF counted
// once) of byte offset `byteOffset`; an offset inside a character or between CR
// and LF counts as the position before it.
int DisplayIndexOfByte(std::string_view text, int byteOffset);

// Returns the byte offset of position `displayIndex` of the displayed text; the
// inverse of DisplayIndexOfByte at character boundaries.
int ByteOfDisplayIndex(std::string_view text, int displayIndex);

}  // namespace tembrel
