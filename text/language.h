// The language slots of every text table of the program.
#pragma once

#include <cstdint>

namespace tembrel {

// A language slot. Only English and German can be selected; the French,
// Portuguese and Spanish slots hold partial texts and the spare slot none. The
// numbers are stored in the settings file and must not change.
enum class LanguageCode : int16_t {
    English = 0,
    German = 1,
    French = 2,
    Portuguese = 3,
    Spanish = 4,
    Spare = 5,
};

inline constexpr int kLanguageSlotCount = 6;

// Returns the slot index of a language code, or -1 for a value outside 0..5.
constexpr int LanguageSlot(LanguageCode language) {
    const int slot = static_cast<int>(language);
    return slot >= 0 && slot < kLanguageSlotCount ? slot : -1;
}

}  // namespace tembrel
