// The help window's text in English and German: the calendars and notations the
// program handles and how to use the three input fields, with the addresses of
// the user manual and of the reference pages.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "text/language.h"

namespace tembrel {

// The addresses the help text names.
struct HelpAddresses {
    std::string manualEnglish;     // the English user manual
    std::string manualGerman;      // the German user manual
    std::string calendarArticle;   // the Julian and Gregorian calendars
    std::string isoWeekReference;  // ISO 8601 week dates
    std::string leapWeekPage;      // the leap week calendar
};

// Returns HelpAddresses with the reference pages of web_addresses.h and the two
// manual addresses given.
HelpAddresses DefaultHelpAddresses(std::string_view manualEnglish, std::string_view manualGerman);

// strHelpText: one text per language slot; English and German are filled, the
// other slots are empty.
using HelpTexts = std::array<std::string, kLanguageSlotCount>;

// Returns the help text of one language: paragraphs separated by an empty line
// (CR LF CR LF), the text ending with one CR LF. Only English and German have a
// text; every other language gives the empty text.
std::string HelpText(LanguageCode language, const HelpAddresses& addresses);

// Returns the help texts of every language slot.
HelpTexts BuildHelpText(const HelpAddresses& addresses);

}  // namespace tembrel
