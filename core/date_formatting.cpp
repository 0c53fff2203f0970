#include "core/date_formatting.h"

#include <cstdint>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/number_text.h"
#include "core/today.h"

namespace tembrel {

namespace {

constexpr int32_t kLargestUngroupedYear = 9999;

bool NeedsGrouping(int32_t year) {
    return year > kLargestUngroupedYear || year < -kLargestUngroupedYear;
}

// Puts a negative year that follows a separator in parentheses: (-45).
std::string YearAfterSeparator(std::string year) {
    return year.front() == '-' ? "(" + year + ")" : year;
}

enum class LeapWeekForm { Month, Week };

std::string FormatLeapWeekDate(const LeapWeekDate& date, LeapWeekForm form, bool withCode) {
    std::string year = std::to_string(date.year);
    if (NeedsGrouping(date.year)) {
        year = InsertThousandsSep(year, ",");
    }
    const bool monthForm = form == LeapWeekForm::Month;
    std::string text = year + "-" + PaddedNumber(monthForm ? date.month : date.week, 2) + "-" +
                       PaddedNumber(monthForm ? date.day : date.weekday, monthForm ? 2 : 1);
    if (withCode) {
        text += monthForm ? " LPM" : " LPW";
    }
    return text;
}

}  // namespace

std::string InsertThousandsSep(std::string_view digits, std::string_view separator) {
    if (separator.empty()) {
        return std::string(digits);
    }
    const std::string input(digits);
    char buffer[kSeparateThousandsBufferSize];
    separate_thousands(input.c_str(), static_cast<unsigned char>(separator.front()), buffer);
    return std::string(buffer);
}

std::string FormatWholeNumber(int32_t value, std::string_view thousSep) {
    return InsertThousandsSep(std::to_string(value), thousSep);
}

std::string FormatDateText(const CalDate& date, DateOrder order, std::string_view dateSep,
                           std::string_view thousSep) {
    const bool annusNovus = date.marker == kMarkerAnnusNovus;
    const std::string_view separator = annusNovus ? std::string_view("-") : dateSep;
    std::string year = std::to_string(date.year);
    // Grouping with the date separator itself ("12.345.01.01") could not be read
    // back, so such a year stays ungrouped.
    if (NeedsGrouping(date.year) && !annusNovus && thousSep != separator) {
        year = InsertThousandsSep(year, thousSep);
    }
    const std::string month = PaddedNumber(date.month, 2);
    const std::string day = PaddedNumber(date.day, 2);
    const std::string sep(separator);
    if (order == DateOrder::YMD || (order == DateOrder::MDY && annusNovus)) {
        return year + sep + month + sep + day;
    }
    if (order == DateOrder::DMY) {
        return day + sep + month + sep + YearAfterSeparator(year);
    }
    return month + sep + day + sep + YearAfterSeparator(year);
}

std::string FormatOrdinalDate(const CalDate& date, int16_t dayOfYear, int16_t hyphen) {
    return PaddedNumber(date.year, 4) + (hyphen == 1 ? "-" : "") + PaddedNumber(dayOfYear, 3);
}

std::string FormatISOWeekDate(const ISOWeekDate& date, int16_t hyphen) {
    const std::string_view dash = hyphen == 1 ? "-" : "";
    return std::to_string(date.year) + std::string(dash) + "W" + PaddedNumber(date.week, 2) +
           std::string(dash) + PaddedNumber(date.weekday, 1);
}

std::string FormatLPWDate(const LeapWeekDate& date, bool withCode) {
    return FormatLeapWeekDate(date, LeapWeekForm::Week, withCode);
}

std::string FormatLPMDate(const LeapWeekDate& date, bool withCode) {
    return FormatLeapWeekDate(date, LeapWeekForm::Month, withCode);
}

std::string TodayDateText(int32_t offset, DateOrder order, std::string_view dateSep,
                          CalendarCode cal, std::string_view thousSep) {
    const int64_t jdn = int64_t{TodayJDN()} + offset;  // |jdn| < 2^32
    if (!IsJDNInRange(jdn)) {
        return {};
    }
    if (cal != CalendarCode::CE && cal != CalendarCode::JC && cal != CalendarCode::AN) {
        return {};
    }
    CalDate date{};
    SetCalendarMarker(cal, date);
    date.jdn = static_cast<int32_t>(jdn);
    JDNToCalDate(date);
    return FormatDateText(date, order, dateSep, thousSep);
}

}  // namespace tembrel
