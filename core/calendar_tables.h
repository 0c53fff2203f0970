// The fixed limits of the calendar core and the two current separators.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tembrel {

inline constexpr int32_t lngMinJDN = -2100000000;       // smallest day number accepted anywhere
inline constexpr int32_t lngMaxJDN = 2100000000;        // largest day number accepted anywhere
inline constexpr int32_t lngFirstJDNOfCE1 = 1721426;    // 1 January 1 CE
inline constexpr int32_t lngLastJDNOfCE9999 = 5373484;  // 31 December 9999 CE
inline constexpr int32_t lngMaxYear = 5800000;          // year magnitude limit of the date parsers
inline constexpr std::string_view strMaxLong = "2147483647";

inline constexpr std::string_view kDefaultDateSep = "-";
inline constexpr std::string_view kDefaultThousSep = ",";

// The separators the user chose in the format options. Every parser and formatter
// is handed the current values at the time of the call.
struct Separators {
    std::string strDateSep{kDefaultDateSep};    // "-", "/" or "."
    std::string strThousSep{kDefaultThousSep};  // ",", "." or empty (none)
};

// Returns true when a day number lies in lngMinJDN..lngMaxJDN.
constexpr bool IsJDNInRange(int64_t jdn) {
    return jdn >= lngMinJDN && jdn <= lngMaxJDN;
}

// Returns true when a day number has an ordinal form (years 1..9999).
constexpr bool HasOrdinalForm(int64_t jdn) {
    return jdn >= lngFirstJDNOfCE1 && jdn <= lngLastJDNOfCE9999;
}

// Puts the separators back to their start-up values. The limits and code tables
// are constants and need no filling.
void InitCalendarTables(Separators& separators);

}  // namespace tembrel
