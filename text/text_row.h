// The shape shared by the constant text tables: one text per language slot.
#pragma once

#include <array>
#include <string_view>

#include "text/language.h"

namespace tembrel {

using TextRow = std::array<std::string_view, kLanguageSlotCount>;

// Marks a translation that the French, Portuguese and Spanish slots do not carry.
inline constexpr std::string_view kNoTranslation = "???";

// Builds a row from its English and German texts: the French, Portuguese and
// Spanish slots mark the missing translation and the spare slot stays empty.
constexpr TextRow EnglishGermanRow(std::string_view english, std::string_view german) {
    return {english, german, kNoTranslation, kNoTranslation, kNoTranslation, ""};
}

// Returns the text of `language` in `row`, or the empty text for a code outside
// the slots.
constexpr std::string_view RowText(const TextRow& row, LanguageCode language) {
    const int slot = LanguageSlot(language);
    return slot < 0 ? std::string_view() : row[static_cast<std::size_t>(slot)];
}

}  // namespace tembrel
