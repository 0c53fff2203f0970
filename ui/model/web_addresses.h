// The web addresses the program shows or opens: the maker's home page and the
// reference pages the help text points to. The user manual is shipped with the
// program (docs/manual.en.html, docs/manual.de.html); its address is found at
// run time and handed to the help text.
#pragma once

#include <string_view>

namespace tembrel {

inline constexpr std::string_view kMakerHomePage = "https://norvane.example.org/";

// An article on the Julian and Gregorian calendars, on the maker's site.
inline constexpr std::string_view kCalendarArticlePage =
    "https://norvane.example.org/calendars/julian-and-gregorian.html";

// The leap week calendar's own page, on the maker's site.
inline constexpr std::string_view kLeapWeekCalendarPage =
    "https://norvane.example.org/calendars/leap-week.html";

// A public reference on ISO 8601 week dates.
inline constexpr std::string_view kISOWeekDateReference =
    "https://en.wikipedia.org/wiki/ISO_week_date";

}  // namespace tembrel
