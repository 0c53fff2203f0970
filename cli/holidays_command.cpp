#include "cli/holidays_command.h"

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/notation.h"
#include "holidays/civil_days.h"
#include "text/calendar_names.h"

namespace tembrel::cli {

namespace {

// Returns the day number of 1 January of a year, or of 1 January of the year
// after it; empty when it lies outside the accepted range.
std::optional<int32_t> NewYearsDay(int64_t year) {
    if (year < -holidays::kMaxCivilYearMagnitude || year > holidays::kMaxCivilYearMagnitude) {
        return std::nullopt;
    }
    CalDate date{};
    date.year = static_cast<int32_t>(year);
    date.month = 1;
    date.day = 1;
    date.marker = kMarkerGregorian;
    const std::optional<int32_t> jdn = JDNOfCalDate(date);
    if (!jdn || !IsJDNInRange(*jdn)) {
        return std::nullopt;
    }
    return jdn;
}

}  // namespace

SubcommandResult HolidaysCommandOutput(const CliOptions& options,
                                       const holidays::WorkingDays& holidays) {
    const std::optional<int32_t> year = YearArgument(options.holidaysYear);
    if (!year) {
        return RefuseYear(options.holidaysYear);
    }
    const std::optional<int32_t> first = NewYearsDay(*year);
    const std::optional<int32_t> next = NewYearsDay(int64_t{*year} + 1);
    if (!first || !next) {
        return RefuseSubcommand("the year lies outside the supported range of day numbers: " +
                                options.holidaysYear);
    }
    const bool german = options.language == LanguageCode::German;
    const holidays::NameLanguage names =
        german ? holidays::NameLanguage::German : holidays::NameLanguage::English;
    NotationOptions notation;
    notation.thousSep.clear();
    SubcommandResult result;
    std::string date;
    for (const holidays::NamedHoliday& holiday :
         holidays.calendar->HolidaysBetween(*first, *next - 1)) {
        const auto jdn = static_cast<int32_t>(holiday.jdn);
        FormatJDNInNotation(jdn, CalendarCode::CE, notation, date);
        result.out += date;
        result.out += '\t';
        result.out += WeekdayName(DayOfWeek(jdn), options.language);
        result.out += '\t';
        result.out += holiday.name.In(names);
        result.out += '\n';
    }
    return result;
}

}  // namespace tembrel::cli
