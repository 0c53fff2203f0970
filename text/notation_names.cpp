#include "text/notation_names.h"

#include <optional>

#include "core/notation_table.h"
#include "text/text_table.h"

namespace tembrel {

namespace {

// The text table's name of each notation of the main window's date fields.
std::optional<TextItem> NameItem(CalendarCode cal) {
    switch (cal) {
        case CalendarCode::CE:
            return TextItem::CommonEraDate;
        case CalendarCode::JC:
            return TextItem::JulianCalendarDate;
        case CalendarCode::JDN:
            return TextItem::JulianDayNumber;
        case CalendarCode::ORD:
            return TextItem::OrdinalDate;
        case CalendarCode::ISO:
            return TextItem::IsoWeekDate;
        case CalendarCode::LPW:
            return TextItem::NorvaneLeapWeekWeekDate;
        case CalendarCode::LPM:
            return TextItem::NorvaneLeapWeekMonthDate;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string_view NotationName(CalendarCode cal, LanguageCode language) {
    if (const std::optional<TextItem> item = NameItem(cal)) {
        return T(*item, language);
    }
    const NotationRow& row = NotationOf(cal);
    if (row.nameEnglish.empty()) {
        return CalCodeText(cal);
    }
    return language == LanguageCode::German ? row.nameGerman : row.nameEnglish;
}

}  // namespace tembrel
