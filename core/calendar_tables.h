// The fixed limits of the calendar core and the default separators.
#pragma once

#include <cstdint>
#include <string_view>

namespace tembrel {

inline constexpr int32_t kMinJDN = -2100000000;       // smallest day number accepted anywhere
inline constexpr int32_t kMaxJDN = 2100000000;        // largest day number accepted anywhere
inline constexpr int32_t kFirstJDNOfCE1 = 1721426;    // 1 January 1 CE
inline constexpr int32_t kLastJDNOfCE9999 = 5373484;  // 31 December 9999 CE
inline constexpr int32_t kMaxYear = 5800000;          // year magnitude limit of the date parsers

inline constexpr std::string_view kDefaultDateSep = "-";
inline constexpr std::string_view kDefaultThousSep = ",";

// Returns true when a day number lies in kMinJDN..kMaxJDN.
constexpr bool IsJDNInRange(int64_t jdn) {
    return jdn >= kMinJDN && jdn <= kMaxJDN;
}

// Returns true when a day number has an ordinal form (years 1..9999).
constexpr bool HasOrdinalForm(int64_t jdn) {
    return jdn >= kFirstJDNOfCE1 && jdn <= kLastJDNOfCE9999;
}

}  // namespace tembrel
