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

// Appends a year that follows a separator; a negative one goes in parentheses:
// (-45).
void AppendYearAfterSeparator(std::string& text, const std::string& year) {
    if (year.front() == '-') {
        text += '(';
        text += year;
        text += ')';
    } else {
        text += year;
    }
}

enum class LeapWeekForm { Month, Week };

std::string FormatLeapWeekDate(const LeapWeekDate& date, LeapWeekForm form, bool withCode) {
    const bool monthForm = form == LeapWeekForm::Month;
    std::string text = std::to_string(date.year);
    if (NeedsGrouping(date.year)) {
        text = InsertThousandsSep(text, ",");
    }
    text += '-';
    AppendPaddedNumber(text, monthForm ? date.month : date.week, 2);
    text += '-';
    AppendPaddedNumber(text, monthForm ? date.day : date.weekday, monthForm ? 2 : 1);
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
    std::string text;
    text.reserve(24);
    if (order == DateOrder::YMD || (order == DateOrder::MDY && annusNovus)) {
        text += year;
        text += separator;
        AppendPaddedNumber(text, date.month, 2);
        text += separator;
        AppendPaddedNumber(text, date.day, 2);
        return text;
    }
    const bool dayFirst = order == DateOrder::DMY;
    AppendPaddedNumber(text, dayFirst ? date.day : date.month, 2);
    text += separator;
    AppendPaddedNumber(text, dayFirst ? date.month : date.day, 2);
    text += separator;
    AppendYearAfterSeparator(text, year);
    return text;
}

std::string FormatOrdinalDate(const CalDate& date, int16_t dayOfYear, int16_t hyphen) {
    std::string text;
    AppendPaddedNumber(text, date.year, 4);
    if (hyphen == 1) {
        text += '-';
    }
    AppendPaddedNumber(text, dayOfYear, 3);
    return text;
}

std::string FormatISOWeekDate(const ISOWeekDate& date, int16_t hyphen) {
    std::string text;
    text.reserve(16);
    AppendPaddedNumber(text, date.year, 1);
    text += hyphen == 1 ? "-W" : "W";
    AppendPaddedNumber(text, date.week, 2);
    if (hyphen == 1) {
        text += '-';
    }
    AppendPaddedNumber(text, date.weekday, 1);
    return text;
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
