// The name of every notation in a language: the text table's for the notations
// of the main window's date fields, the table of notations' own for the world's
// calendars and day counts.
#pragma once

#include <string_view>

#include "core/calendar_codes.h"
#include "text/language.h"

namespace tembrel {

// Returns the name of a notation: "Common Era date", "Hebrew". The world's
// calendars have English and German names; every other language gets the
// English one. The notations no field offers (AN, NLW) are named by their code.
std::string_view NotationName(CalendarCode cal, LanguageCode language);

}  // namespace tembrel
