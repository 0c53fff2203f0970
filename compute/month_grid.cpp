#include "compute/month_grid.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "core/date_formatting.h"
#include "core/iso_week.h"
#include "core/string_utils.h"
#include "text/calendar_names.h"

namespace tembrel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kDaysPerWeek = 7;
constexpr int16_t kMaxWeekRows = 6;
constexpr int kGridCells = kDaysPerWeek * kMaxWeekRows;

// Returns the byte length of the first `count` UTF-8 characters of the text (the
// whole text when it has fewer). Continuation bytes never start a character.
size_t PrefixBytes(std::string_view text, size_t count) {
    size_t bytes = 0;
    for (size_t chars = 0; bytes < text.size() && chars < count; ++chars) {
        ++bytes;
        while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) {
            ++bytes;
        }
    }
    return bytes;
}

// Returns the number of UTF-8 characters of the text.
size_t CharCount(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Returns the first `width` characters of the text, padded with spaces to that
// many characters when it is shorter.
std::string CutOrPad(std::string_view text, size_t width) {
    std::string result(text.substr(0, PrefixBytes(text, width)));
    result.append(width - std::min(width, CharCount(result)), ' ');
    return result;
}

// Returns the day name of column k of a grid (0 = the first column).
std::string_view ColumnDayName(int column, bool mondayFirst, LanguageCode language) {
    return WeekdayName(mondayFirst ? (column + 1) % kDaysPerWeek : column, language);
}

// Appends one grid cell: the day of the month right-aligned in three characters,
// then the holiday mark or a space, then a space.
void AppendCell(std::string& row, int32_t dayOfMonth, bool holiday) {
    if (dayOfMonth < 10) {
        row += ' ';
    }
    row += ' ';
    row += std::to_string(dayOfMonth);
    row += holiday ? kHolidayMark : ' ';
    row += ' ';
}

// The holidays of the grid's days, in order, and the lines that name those of
// the month.
class HolidayMarks {
  public:
    HolidayMarks(const MonthGridRequest& request, int64_t firstCell)
        : language_(request.language == LanguageCode::German ? holidays::NameLanguage::German
                                                             : holidays::NameLanguage::English) {
        if (request.holidays != nullptr) {
            list_ = request.holidays->HolidaysBetween(firstCell, firstCell + kGridCells - 1);
        }
    }

    // Returns true when the day is a holiday, and when it lies in the month
    // shown, adds a line for each of its names.
    bool Mark(int64_t jdn, const CalDate& date, bool inMonth) {
        while (next_ < list_.size() && list_[next_].jdn < jdn) {
            ++next_;
        }
        bool holiday = false;
        for (; next_ < list_.size() && list_[next_].jdn == jdn; ++next_) {
            holiday = true;
            if (inMonth) {
                // The row's space and the marked cell, then the name.
                if (!lines_.empty()) {
                    lines_ += kLineEnd;
                }
                lines_ += ' ';
                AppendCell(lines_, date.day, true);
                lines_ += list_[next_].name.In(language_);
            }
        }
        return holiday && inMonth;
    }

    // The lines of the month's holidays.
    const std::string& Lines() const { return lines_; }

  private:
    holidays::NameLanguage language_;
    std::vector<holidays::NamedHoliday> list_;
    size_t next_ = 0;
    std::string lines_;
};

// Returns the ISO week prefix of a Monday: "W05-" without the year digit,
// "9-W05-" with it.
std::string ISOWeekPrefix(int32_t mondayJDN, bool withYear) {
    const std::string text = FormatISOWeekDate(ISOWeekDateOf(mondayJDN), true);
    const size_t keep = std::min(text.size(), size_t{withYear ? 7u : 5u});
    return text.substr(text.size() - keep, keep - 1);
}

}  // namespace

std::string MonthGridHeader(bool mondayFirst, LanguageCode language) {
    std::string header;
    for (int column = 0; column < kDaysPerWeek; ++column) {
        const std::string_view name = ColumnDayName(column, mondayFirst, language);
        header += ' ';
        header += name.substr(0, PrefixBytes(name, 3));
        header += ' ';
    }
    return header;
}

std::optional<MonthGrid> BuildMonthGrid(const MonthGridRequest& request) {
    if (request.month < 1 || request.month > 12) {
        return std::nullopt;
    }
    const char marker = request.julian ? kMarkerJulian : kMarkerGregorian;
    CalDate first{};
    first.year = request.year;
    first.month = request.month;
    first.day = 1;
    first.marker = marker;
    const std::optional<int32_t> firstDay = JDNOfCalDate(first);
    if (!firstDay || !IsJDNInRange(*firstDay)) {
        return std::nullopt;
    }
    const int32_t firstJDN = *firstDay;
    // Step back from the 1st to the wanted first day of the week: 0..6 days.
    const int wanted = request.mondayFirst ? 1 : 0;
    const int back = (DayOfWeek(firstJDN) - wanted + kDaysPerWeek) % kDaysPerWeek;
    const int64_t start = int64_t{firstJDN} - back;
    if (!IsJDNInRange(start) || !IsJDNInRange(start + kGridCells - 1)) {
        return std::nullopt;
    }

    MonthGrid grid;
    grid.gridStartJDN = static_cast<int32_t>(start);
    grid.text = MonthGridHeader(request.mondayFirst, request.language);
    HolidayMarks marks(request, start);
    int32_t jdn = grid.gridStartJDN;  // stays within start .. start + 41, checked above
    while (grid.numWeekRows < kMaxWeekRows) {
        ++grid.numWeekRows;
        std::string row;
        CalDate last{};
        for (int cell = 0; cell < kDaysPerWeek; ++cell) {
            last = CalDateOfJDN(jdn, marker);
            const bool inMonth = last.month == request.month && last.year == request.year;
            AppendCell(row, last.day, marks.Mark(jdn, last, inMonth));
            ++jdn;
        }
        grid.text += kLineEnd;
        grid.text += ' ';
        grid.text += row;
        if (last.month > request.month || last.year > request.year || last.day == 31) {
            break;
        }
    }
    grid.holidays = marks.Lines();
    return grid;
}

std::string BuildISOWeekDates(int32_t gridStartJDN, int16_t numWeekRows, bool withYear,
                              LanguageCode language) {
    std::string text;
    for (int column = 0; column < kDaysPerWeek; ++column) {
        const std::string_view name = ColumnDayName(column, true, language);
        if (withYear) {
            text += CutOrPad(name, 8);
            text += ' ';
        } else {
            text += ' ';
            text += name.substr(0, PrefixBytes(name, 3));
            text += "   ";
        }
    }
    if (withYear) {
        TrimTrailingControl(text);
    }
    const int16_t rows = std::clamp<int16_t>(numWeekRows, 0, kMaxWeekRows);
    for (int row = 0; row < rows; ++row) {
        const int64_t monday = int64_t{gridStartJDN} + int64_t{kDaysPerWeek} * row;
        if (!IsJDNInRange(monday)) {
            continue;
        }
        const std::string prefix = ISOWeekPrefix(static_cast<int32_t>(monday), withYear);
        std::string line;
        for (char day = '1'; day <= '7'; ++day) {
            line += prefix;
            line += day;
            line += "  ";
        }
        TrimTrailingControl(line);
        text += kLineEnd;
        text += line;
    }
    return text;
}

}  // namespace tembrel
