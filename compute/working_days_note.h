// The note of a working-day count that says what was not counted, and what was
// counted besides:
//   not counting weekend days                        (Saturday and Sunday, nothing else)
//   not counting weekend days and holidays (DE-BY)
//   not counting weekend days (Friday, Saturday) and holidays (DE-BY, company.txt),
//   counting extra working days (saturdays.txt)
// and in German "die Wochenendtage und Feiertage (DE-BY) nicht gezählt". A
// weekend other than Saturday and Sunday is named day by day from Monday; no
// weekend and no holidays reads "weekend days (none)". The languages without
// their own words take the English ones.
#pragma once

#include "core/text_appender.h"
#include "holidays/working_days.h"
#include "text/language.h"

namespace tembrel {

void AppendWorkingDaysNote(TextAppender& out, const holidays::WorkingDays& days,
                           LanguageCode language);

}  // namespace tembrel
