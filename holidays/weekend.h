// The weekend: any set of the seven days of the week that are not worked. The
// default is Saturday and Sunday; Friday and Saturday, Sunday alone and no
// weekend at all are as valid as every other set.
//
// On the command line and in settings a weekend is written as the English
// abbreviations of its days, comma separated, in the order Monday to Sunday
// ("sat,sun"), or "none" for the empty set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tembrel::holidays {

// Days of the week as the calendar core numbers them: 0 = Sunday .. 6 = Saturday.
inline constexpr int kDaysPerWeek = 7;

// Returns the day of the week of any day number (0 = Sunday); exact for every
// 64-bit value the working-day arithmetic uses (day number 0 is a Monday).
constexpr int WeekdayOf(int64_t jdn) {
    const int64_t shifted = jdn + 1;
    const int64_t mod = shifted % kDaysPerWeek;
    return static_cast<int>(mod < 0 ? mod + kDaysPerWeek : mod);
}

class Weekend {
  public:
    // Saturday and Sunday.
    constexpr Weekend() = default;

    // Returns the weekend whose days are the set bits of `mask` (bit 0 = Sunday
    // .. bit 6 = Saturday); higher bits are ignored.
    static constexpr Weekend FromMask(uint8_t mask) { return Weekend(mask & kAllDays); }

    constexpr uint8_t mask() const { return mask_; }
    constexpr bool Contains(int weekday) const { return ((mask_ >> weekday) & 1U) != 0; }

    // Returns how many days of a week are worked (0..7).
    constexpr int WorkingDaysPerWeek() const {
        int count = 0;
        for (int weekday = 0; weekday < kDaysPerWeek; ++weekday) {
            count += Contains(weekday) ? 0 : 1;
        }
        return count;
    }

    friend constexpr bool operator==(Weekend, Weekend) = default;

  private:
    static constexpr uint8_t kAllDays = 0x7F;
    static constexpr uint8_t kSaturdayAndSunday = 0x41;

    constexpr explicit Weekend(uint8_t mask) : mask_(mask) {}

    uint8_t mask_ = kSaturdayAndSunday;
};

// Reads "none" or a comma-separated list of "mon" .. "sun" (letters in any case,
// blanks around the names allowed, a day named twice counted once). Empty for
// anything else: an empty text, an empty item, an unknown name.
std::optional<Weekend> ParseWeekend(std::string_view text);

// Writes the weekend as ParseWeekend reads it: "sat,sun", "fri,sat", "none".
std::string FormatWeekend(Weekend weekend);

// Returns the day of the week of an English three-letter abbreviation ("mon",
// any case), or -1 when the text is not one.
int WeekdayOfAbbreviation(std::string_view text);

}  // namespace tembrel::holidays
