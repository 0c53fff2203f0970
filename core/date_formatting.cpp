#include "core/date_formatting.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"

namespace tembrel {

namespace {

constexpr int32_t kLargestUngroupedYear = 9999;

bool NeedsGrouping(int32_t year) {
    return year > kLargestUngroupedYear || year < -kLargestUngroupedYear;
}

// A whole number written on the stack, so that writing a date costs no
// allocation. A 32-bit number has at most 11 characters, 14 with separators,
// which the calendar library's buffer holds with its NUL.
struct NumberText {
    char chars[kSeparateThousandsBufferSize];
    size_t size = 0;

    std::string_view View() const { return {chars, size}; }
};

// Writes a number as a plain signed decimal, with `thousSep` between the groups
// of three digits when it is not empty.
NumberText WriteNumber(int32_t value, std::string_view thousSep) {
    NumberText plain;
    plain.size = static_cast<size_t>(
        std::to_chars(plain.chars, plain.chars + sizeof plain.chars - 1, value).ptr - plain.chars);
    if (thousSep.empty()) {
        return plain;
    }
    plain.chars[plain.size] = '\0';
    NumberText grouped;
    separate_thousands(plain.chars, static_cast<unsigned char>(thousSep.front()), grouped.chars);
    grouped.size = std::strlen(grouped.chars);
    return grouped;
}

// Adds a year, grouped with `thousSep` when it is not empty. A negative year that
// follows a separator goes in parentheses: (-45).
void AddYear(TextAppender& out, int32_t year, std::string_view thousSep, bool afterSeparator) {
    const bool parentheses = afterSeparator && year < 0;
    if (parentheses) {
        out.Add('(');
    }
    AppendWholeNumber(out, year, thousSep);
    if (parentheses) {
        out.Add(')');
    }
}

// Returns the text that `add` gives to a fresh appender.
template <typename Add>
std::string Written(Add add) {
    std::string text;
    {
        TextAppender out(text);
        add(out);
    }  // the appender hands over its last pieces here
    return text;
}

enum class LeapWeekForm { Month, Week };

void AddLeapWeekDate(TextAppender& out, const LeapWeekDate& date, LeapWeekForm form,
                     bool withCode) {
    const bool monthForm = form == LeapWeekForm::Month;
    AddYear(out, date.year, NeedsGrouping(date.year) ? "," : "", false);
    out.Add('-');
    out.AddNumber(monthForm ? date.month : date.week, 2);
    out.Add('-');
    out.AddNumber(monthForm ? date.day : date.weekday, monthForm ? 2 : 1);
    if (withCode) {
        out.Add(monthForm ? " LPM" : " LPW");
    }
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
    return std::string(WriteNumber(value, thousSep).View());
}

void AppendWholeNumber(TextAppender& out, int32_t value, std::string_view thousSep) {
    if (thousSep.empty()) {
        out.AddNumber(value, 1);
    } else {
        out.Add(WriteNumber(value, thousSep).View());
    }
}

std::string FormatDateText(const CalDate& date, DateOrder order, std::string_view dateSep,
                           std::string_view thousSep) {
    return Written([&](TextAppender& out) { AppendDateText(out, date, order, dateSep, thousSep); });
}

void AppendDateText(TextAppender& out, const CalDate& date, DateOrder order,
                    std::string_view dateSep, std::string_view thousSep) {
    if (order == DateOrder::YMD && date.year >= 1000 && date.year <= 9999 && dateSep.size() == 1 &&
        date.marker != kMarkerAnnusNovus) {
        // Years of four digits, year first: almost every date written.
        char* at = out.Claim(10);
        TextAppender::WriteFixedDigits(at, static_cast<uint32_t>(date.year), 4);
        at[4] = dateSep.front();
        TextAppender::WriteFixedDigits(at + 5, static_cast<uint32_t>(date.month), 2);
        at[7] = dateSep.front();
        TextAppender::WriteFixedDigits(at + 8, static_cast<uint32_t>(date.day), 2);
        return;
    }
    const bool annusNovus = date.marker == kMarkerAnnusNovus;
    const std::string_view separator = annusNovus ? std::string_view("-") : dateSep;
    // Grouping with the date separator itself ("12.345.01.01") could not be read
    // back, so such a year stays ungrouped.
    const bool grouped = NeedsGrouping(date.year) && !annusNovus && thousSep != separator;
    const std::string_view yearSep = grouped ? thousSep : "";
    if (order == DateOrder::YMD || (order == DateOrder::MDY && annusNovus)) {
        AddYear(out, date.year, yearSep, false);
        out.Add(separator);
        out.AddNumber(date.month, 2);
        out.Add(separator);
        out.AddNumber(date.day, 2);
        return;
    }
    const bool dayFirst = order == DateOrder::DMY;
    out.AddNumber(dayFirst ? date.day : date.month, 2);
    out.Add(separator);
    out.AddNumber(dayFirst ? date.month : date.day, 2);
    out.Add(separator);
    AddYear(out, date.year, yearSep, true);
}

std::string FormatOrdinalDate(const CalDate& date, int16_t dayOfYear, bool hyphen) {
    return Written([&](TextAppender& out) { AppendOrdinalDate(out, date, dayOfYear, hyphen); });
}

void AppendOrdinalDate(TextAppender& out, const CalDate& date, int16_t dayOfYear, bool hyphen) {
    out.AddNumber(date.year, 4);
    if (hyphen) {
        out.Add('-');
    }
    out.AddNumber(dayOfYear, 3);
}

std::string FormatISOWeekDate(const ISOWeekDate& date, bool hyphen) {
    return Written([&](TextAppender& out) { AppendISOWeekDate(out, date, hyphen); });
}

void AppendISOWeekDate(TextAppender& out, const ISOWeekDate& date, bool hyphen) {
    if (date.year >= 1000 && date.year <= 9999 && hyphen) {
        // Years of four digits: almost every week date written.
        char* at = out.Claim(10);
        TextAppender::WriteFixedDigits(at, static_cast<uint32_t>(date.year), 4);
        at[4] = '-';
        at[5] = 'W';
        TextAppender::WriteFixedDigits(at + 6, static_cast<uint32_t>(date.week), 2);
        at[8] = '-';
        at[9] = static_cast<char>('0' + date.weekday);
        return;
    }
    out.AddNumber(date.year, 1);
    out.Add(hyphen ? "-W" : "W");
    out.AddNumber(date.week, 2);
    if (hyphen) {
        out.Add('-');
    }
    out.AddNumber(date.weekday, 1);
}

std::string FormatLPWDate(const LeapWeekDate& date, bool withCode) {
    return Written([&](TextAppender& out) { AppendLPWDate(out, date, withCode); });
}

std::string FormatLPMDate(const LeapWeekDate& date, bool withCode) {
    return Written([&](TextAppender& out) { AppendLPMDate(out, date, withCode); });
}

void AppendLPWDate(TextAppender& out, const LeapWeekDate& date, bool withCode) {
    AddLeapWeekDate(out, date, LeapWeekForm::Week, withCode);
}

void AppendLPMDate(TextAppender& out, const LeapWeekDate& date, bool withCode) {
    AddLeapWeekDate(out, date, LeapWeekForm::Month, withCode);
}

}  // namespace tembrel
