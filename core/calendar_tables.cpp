#include "core/calendar_tables.h"

namespace tembrel {

void InitCalendarTables(Separators& separators) {
    separators.strDateSep = std::string(kDefaultDateSep);
    separators.strThousSep = std::string(kDefaultThousSep);
}

}  // namespace tembrel
