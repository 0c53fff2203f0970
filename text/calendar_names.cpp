#include "text/calendar_names.h"

#include <array>
#include <cstddef>

#include "text/text_row.h"

namespace tembrel {

namespace {

constexpr std::array<TextRow, kMonthNameRows> kMonthNames = {
    EnglishGermanRow("January", "Januar"),
    EnglishGermanRow("February", "Februar"),
    EnglishGermanRow("March", "März"),
    EnglishGermanRow("April", "April"),
    EnglishGermanRow("May", "Mai"),
    EnglishGermanRow("June", "Juni"),
    EnglishGermanRow("July", "Juli"),
    EnglishGermanRow("August", "August"),
    EnglishGermanRow("September", "September"),
    EnglishGermanRow("October", "Oktober"),
    EnglishGermanRow("November", "November"),
    EnglishGermanRow("December", "Dezember"),
    EnglishGermanRow("Jan", "Jan"),
    EnglishGermanRow("Feb", "Feb"),
    EnglishGermanRow("Mar", "Mär"),
    EnglishGermanRow("Apr", "Apr"),
    EnglishGermanRow("May", "Mai"),
    EnglishGermanRow("Jun", "Jun"),
    EnglishGermanRow("Jul", "Jul"),
    EnglishGermanRow("Aug", "Aug"),
    EnglishGermanRow("Sep", "Sep"),
    EnglishGermanRow("Oct", "Okt"),
    EnglishGermanRow("Nov", "Nov"),
    EnglishGermanRow("Dec", "Dez"),
};

constexpr std::array<TextRow, kWeekdayCount> kWeekdayNames = {
    EnglishGermanRow("Sunday", "Sonntag"),      EnglishGermanRow("Monday", "Montag"),
    EnglishGermanRow("Tuesday", "Dienstag"),    EnglishGermanRow("Wednesday", "Mittwoch"),
    EnglishGermanRow("Thursday", "Donnerstag"), EnglishGermanRow("Friday", "Freitag"),
    EnglishGermanRow("Saturday", "Samstag"),
};

}  // namespace

std::string_view MonthName(int row, LanguageCode language) {
    if (row < 1 || row > kMonthNameRows) {
        return {};
    }
    return RowText(kMonthNames[static_cast<std::size_t>(row - 1)], language);
}

std::string_view WeekdayName(int day, LanguageCode language) {
    if (day < 0 || day >= kWeekdayCount) {
        return {};
    }
    return RowText(kWeekdayNames[static_cast<std::size_t>(day)], language);
}

}  // namespace tembrel
