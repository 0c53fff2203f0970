#include "compute/every_notation.h"

#include "core/notation_table.h"

namespace tembrel {

std::vector<NotationText> DayInEveryNotation(int32_t jdn, const NotationOptions& options) {
    std::vector<NotationText> rows;
    for (const CalendarCode cal : ListedNotations()) {
        NotationText row{cal, {}};
        FormatJDNInNotation(jdn, cal, options, row.text);  // stays empty where it has no date
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tembrel
