#include "holidays/weekend.h"

#include <array>

#include "holidays/text_scan.h"

namespace tembrel::holidays {

namespace {

// Indexed by day of the week, 0 = Sunday.
constexpr std::array<std::string_view, kDaysPerWeek> kAbbreviations = {"sun", "mon", "tue", "wed",
                                                                       "thu", "fri", "sat"};
constexpr std::string_view kNoWeekend = "none";

}  // namespace

int WeekdayOfAbbreviation(std::string_view text) {
    for (int weekday = 0; weekday < kDaysPerWeek; ++weekday) {
        if (EqualsIgnoringCase(text, kAbbreviations[static_cast<size_t>(weekday)])) {
            return weekday;
        }
    }
    return -1;
}

std::optional<Weekend> ParseWeekend(std::string_view text) {
    if (EqualsIgnoringCase(TrimBlanks(text), kNoWeekend)) {
        return Weekend::FromMask(0);
    }
    uint8_t mask = 0;
    while (true) {
        const size_t comma = text.find(',');
        const int weekday = WeekdayOfAbbreviation(TrimBlanks(text.substr(0, comma)));
        if (weekday < 0) {
            return std::nullopt;
        }
        mask = static_cast<uint8_t>(mask | (1U << weekday));
        if (comma == std::string_view::npos) {
            return Weekend::FromMask(mask);
        }
        text.remove_prefix(comma + 1);
    }
}

std::string FormatWeekend(Weekend weekend) {
    std::string text;
    // Monday first, Sunday last, as a working week is read.
    for (int i = 1; i <= kDaysPerWeek; ++i) {
        const int weekday = i % kDaysPerWeek;
        if (weekend.Contains(weekday)) {
            if (!text.empty()) {
                text += ',';
            }
            text += kAbbreviations[static_cast<size_t>(weekday)];
        }
    }
    return text.empty() ? std::string(kNoWeekend) : text;
}

}  // namespace tembrel::holidays
