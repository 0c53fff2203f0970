#include "core/calendar_differences.h"

#include <cstdint>
#include <limits>

#include "core/calendar_binding.h"
#include "core/calendar_codes.h"
#include "core/iso_week.h"

namespace tembrel {

namespace {

constexpr int kMonthsInYear = 12;
constexpr int kMonthsInAnnusNovusYear = 10;
constexpr int kDaysInWeek = 7;

// Valid dates need at most two borrows (31 January to 1 March); the bound only
// stops a record whose day lies beyond every month.
constexpr int kMaxBorrows = 12;

int MonthsInYearOf(const CalDate& date) {
    return date.marker == kMarkerAnnusNovus ? kMonthsInAnnusNovusYear : kMonthsInYear;
}

bool FitsInt16(int64_t value) {
    return value >= std::numeric_limits<int16_t>::min() &&
           value <= std::numeric_limits<int16_t>::max();
}

bool FitsInt32(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

// Returns the first day of the given month, in the record's calendar.
CalDate FirstOfMonth(const CalDate& date, int32_t year, int32_t month) {
    CalDate first = date;
    first.year = year;
    first.month = month;
    first.day = 1;
    return first;
}

// Moves a record to the month before its own (month M of the year before after
// month 1). Returns false when the year would leave 32 bits.
bool StepToMonthBefore(CalDate& date) {
    if (date.month > 1) {
        --date.month;
        return true;
    }
    if (__builtin_sub_overflow(date.year, 1, &date.year)) {
        return false;
    }
    date.month = MonthsInYearOf(date);
    return true;
}

// Returns true when the parts of a breakdown fit their fields and none is
// negative.
bool ArePartsValid(int64_t years, int64_t middle, int64_t days) {
    return FitsInt32(years) && FitsInt16(middle) && FitsInt16(days) && years >= 0 && middle >= 0 &&
           days >= 0;
}

}  // namespace

std::optional<int16_t> DaysElapsed(const CalDate& later, const CalDate& earlier) {
    int32_t error = 0;
    const int32_t days = days_elapsed(&later, &earlier, &error);
    if (error != 0 || !FitsInt16(days)) {
        return std::nullopt;
    }
    return static_cast<int16_t>(days);
}

std::optional<int16_t> DaysInMonthOf(const CalDate& date) {
    int32_t nextYear = date.year;
    int32_t nextMonth = 1;
    const bool lastMonth = date.month == MonthsInYearOf(date);
    if (lastMonth ? __builtin_add_overflow(date.year, 1, &nextYear)
                  : __builtin_add_overflow(date.month, 1, &nextMonth)) {
        return std::nullopt;
    }
    return DaysElapsed(FirstOfMonth(date, nextYear, nextMonth),
                       FirstOfMonth(date, date.year, date.month));
}

std::optional<int16_t> DaysInYearOf(const CalDate& date) {
    int32_t nextYear = 0;
    if (__builtin_add_overflow(date.year, 1, &nextYear)) {
        return std::nullopt;
    }
    return DaysElapsed(FirstOfMonth(date, nextYear, 1), FirstOfMonth(date, date.year, 1));
}

std::optional<YearsMonthsDays> DiffYMD(const CalDate& first, const CalDate& second) {
    const int monthsInYear = MonthsInYearOf(second);
    const bool dayBefore = second.day < first.day;
    int64_t y = int64_t{second.year} - first.year;
    if (second.month < first.month || (second.month == first.month && dayBefore)) {
        --y;
    }
    int64_t m = int64_t{second.month} - first.month - (dayBefore ? 1 : 0);
    if (m < 0) {
        m += monthsInYear;
    }
    int64_t d = int64_t{second.day} - first.day;
    // Borrow the month before the second date; if that is not enough, the month
    // before that too, one month less each time.
    CalDate borrowed = second;
    for (int borrows = 0; d < 0 && borrows < kMaxBorrows; ++borrows) {
        if (!StepToMonthBefore(borrowed)) {
            return std::nullopt;
        }
        const std::optional<int16_t> length = DaysInMonthOf(borrowed);
        if (!length) {
            return std::nullopt;
        }
        d += *length;
        if (borrows > 0 && --m < 0) {
            m += monthsInYear;
            --y;
        }
    }
    if (!ArePartsValid(y, m, d)) {
        return std::nullopt;
    }
    return YearsMonthsDays{static_cast<int32_t>(y), static_cast<int16_t>(m),
                           static_cast<int16_t>(d)};
}

std::optional<YearsWeeksDays> DiffYWD(const ISOWeekDate& first, const ISOWeekDate& second) {
    int64_t y = int64_t{second.year} - first.year;
    int64_t w = int64_t{second.week} - first.week;
    int64_t d = int64_t{second.weekday} - first.weekday;
    // Borrowed years are those that end the count: first the year before the
    // second date's year, then the one before that. A borrow is needed when the
    // weeks fall short; a second one only when week 53 of the first date's year
    // meets a year of 52 weeks (2099-W53-3 to 2103-W01-2).
    int64_t borrowedYear = second.year;
    auto borrowYear = [&]() {
        --borrowedYear;
        if (!FitsInt32(borrowedYear)) {
            return false;
        }
        --y;
        w += ISOYearHas53Weeks(static_cast<int32_t>(borrowedYear)) ? 53 : 52;
        return true;
    };
    if ((w < 0 || (d < 0 && w == 0)) && !borrowYear()) {
        return std::nullopt;
    }
    if (d < 0) {
        --w;
        d += kDaysInWeek;
    }
    for (int borrows = 0; w < 0 && borrows < kMaxBorrows; ++borrows) {
        if (!borrowYear()) {
            return std::nullopt;
        }
    }
    if (!ArePartsValid(y, w, d)) {
        return std::nullopt;
    }
    return YearsWeeksDays{static_cast<int32_t>(y), static_cast<int16_t>(w),
                          static_cast<int16_t>(d)};
}

std::optional<YearsDays> DiffYD(const CalDate& first, const CalDate& second) {
    const int16_t firstDay = DayOfYear(first);
    const int16_t secondDay = DayOfYear(second);
    if (firstDay < 1 || secondDay < 1) {
        return std::nullopt;  // a date the calendar library cannot convert
    }
    int64_t y = int64_t{second.year} - first.year;
    int64_t d = int64_t{secondDay} - firstDay;
    if (d < 0) {
        --y;
        CalDate yearBefore = second;
        if (__builtin_sub_overflow(second.year, 1, &yearBefore.year)) {
            return std::nullopt;
        }
        const std::optional<int16_t> length = DaysInYearOf(yearBefore);
        if (!length) {
            return std::nullopt;
        }
        d += *length;
    }
    if (!ArePartsValid(y, 0, d)) {
        return std::nullopt;
    }
    return YearsDays{static_cast<int32_t>(y), static_cast<int16_t>(d)};
}

}  // namespace tembrel
