#include "core/calendars/hebrew.h"

#include <array>
#include <limits>

#include "core/calendars/calendar_arithmetic.h"

namespace tembrel {

namespace {

// The calendar repeats exactly after 689472 years (8527680 months, 251827457
// days, a whole number of weeks): the molad, its part of the day and its
// weekday come back. Years and days are moved forward by whole repetitions so
// that every division below is of non-negative numbers.
constexpr int64_t kRepeatYears = 689472;
constexpr int64_t kRepeatDays = 251827457;
static_assert(kRepeatYears % 19 == 0 && kRepeatDays % 7 == 0);
constexpr int64_t kShiftRepeats = 9;
constexpr int64_t kShiftYears = kShiftRepeats * kRepeatYears;  // 6205248
constexpr int64_t kShiftDays = kShiftRepeats * kRepeatDays;    // 2266447113

// Years beyond this magnitude lie outside the accepted days (5.75 million
// years either way of the epoch) and are refused before the shift.
constexpr int64_t kMaxYear = 6000000;
static_assert(kShiftYears > kMaxYear);
static_assert(kShiftDays > -int64_t{std::numeric_limits<int32_t>::min()} + kHebrewEpochJdn);

constexpr uint64_t kPartsPerDay = 25920;
// A lunation of 29 days 12 hours 793 parts, and the first molad 1 day 5 hours
// 204 parts, both in parts.
constexpr uint64_t kPartsPerMonth = 29 * kPartsPerDay + 13753;  // 765433
constexpr uint64_t kFirstMoladParts = 12084;

// Returns the months before a (shifted, positive) year: 235 in 19 years, the
// leap months of the years before.
constexpr uint64_t MonthsBefore(uint64_t year) {
    return (235 * year - 234) / 19;  // < 2^28
}

// Returns the day (counted from the epoch) of the molad of Tishri of a year,
// and that day moved to Monday, Tuesday, Thursday or Saturday: a molad on
// Sunday, Wednesday or Friday (3 × (day + 1) mod 7 < 3) is put off a day.
constexpr uint64_t ElapsedDays(uint64_t year) {
    const uint64_t moladDay =
        (kPartsPerMonth * MonthsBefore(year) + kFirstMoladParts) / kPartsPerDay;  // < 2^33
    return moladDay + (3 * (moladDay + 1) % 7 < 3 ? 1 : 0);
}

// Returns the day of the new year from the elapsed days of the year before,
// the year and the year after: a year that would have 356 days starts two
// days later, and a year after one of 382 days one day later.
constexpr uint64_t NewYear(uint64_t before, uint64_t year, uint64_t after) {
    if (after - year == 356) {
        return year + 2;
    }
    return year + (year - before == 382 ? 1 : 0);
}

// The six kinds of year, by length: 353, 354, 355 days and, leap, 383, 384, 385.
constexpr int KindOfLength(uint64_t length) {
    return static_cast<int>(length - 353) % 30 + (length > 360 ? 3 : 0);
}

// The months of a common and of a leap year in their order from Tishri.
constexpr std::array<int32_t, 13> kCommonOrder = {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 0};
constexpr std::array<int32_t, 13> kLeapOrder = {7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6};

// For each kind of year, the days from the new year to each month in the
// order above, and the length of the year after the last month.
using MonthStarts = std::array<int32_t, 14>;

constexpr MonthStarts StartsOfKind(int kind) {
    const bool leap = kind >= 3;
    const int lengthInKind = kind % 3;  // 0 deficient, 1 regular, 2 complete
    const std::array<int32_t, 13>& order = leap ? kLeapOrder : kCommonOrder;
    MonthStarts starts{};
    int32_t total = 0;
    const int months = leap ? 13 : 12;
    for (int i = 0; i < months; ++i) {
        starts[i] = total;
        int32_t length = 30 - (order[i] % 2 == 0 ? 1 : 0);  // Nisan 30, Iyyar 29, ...
        if (order[i] == 8) {
            length = lengthInKind == 2 ? 30 : 29;  // Marheshvan
        } else if (order[i] == 9) {
            length = lengthInKind == 0 ? 29 : 30;  // Kislev
        } else if (order[i] == 12) {
            length = leap ? 30 : 29;  // Adar, Adar I
        } else if (order[i] == 13) {
            length = 29;  // Adar II
        }
        total += length;
    }
    starts[months] = total;
    if (!leap) {
        starts[13] = total;
    }
    return starts;
}

constexpr std::array<MonthStarts, 6> kStarts = {StartsOfKind(0), StartsOfKind(1), StartsOfKind(2),
                                                StartsOfKind(3), StartsOfKind(4), StartsOfKind(5)};
static_assert(kStarts[0][12] == 353 && kStarts[2][12] == 355 && kStarts[3][13] == 383 &&
              kStarts[5][13] == 385);

// A shifted year: its new year, the next one, and its kind.
struct HebrewYear {
    uint64_t year = 0;         // shifted; 0 for none (every shifted year is positive)
    uint64_t newYear = 0;      // days from the shifted epoch
    uint64_t nextNewYear = 0;  // the first day of the next year
    int kind = 0;
};

HebrewYear ComputeYear(uint64_t year, uint64_t e0, uint64_t e1, uint64_t e2, uint64_t e3) {
    const uint64_t newYear = NewYear(e0, e1, e2);
    const uint64_t nextNewYear = NewYear(e1, e2, e3);
    return {year, newYear, nextNewYear, KindOfLength(nextNewYear - newYear)};
}

// Each thread keeps the last year it converted: days of the same year, the
// common case of a batch of dates and of a walk through the days, then need no
// molad at all.
thread_local HebrewYear lastYear;

const HebrewYear& YearOfShiftedYear(uint64_t year) {
    if (lastYear.year != year) {
        lastYear = ComputeYear(year, ElapsedDays(year - 1), ElapsedDays(year),
                               ElapsedDays(year + 1), ElapsedDays(year + 2));
    }
    return lastYear;
}

const HebrewYear& YearOfDay(uint64_t days) {
    if (days >= lastYear.newYear && days < lastYear.nextNewYear) {
        return lastYear;
    }
    // The largest count of months whose molad falls on or before the day, and
    // the largest year whose molad of Tishri does.
    const uint64_t months =
        (kPartsPerDay * days + kPartsPerDay - 1 - kFirstMoladParts) / kPartsPerMonth;  // < 2^28
    const uint64_t year = (19 * months + 252) / 235;  // shifted, < 2^24
    // The postponements put the new year at most three days after its molad,
    // so the day belongs to that year or the one before.
    const uint64_t e0 = ElapsedDays(year - 1);
    const uint64_t e1 = ElapsedDays(year);
    const uint64_t e2 = ElapsedDays(year + 1);
    if (days < NewYear(e0, e1, e2)) {
        lastYear = ComputeYear(year - 1, ElapsedDays(year - 2), e0, e1, e2);
    } else {
        lastYear = ComputeYear(year, e0, e1, e2, ElapsedDays(year + 2));
    }
    return lastYear;
}

// Returns the position of a month in its year's order from Tishri.
int PositionOfMonth(int32_t month, bool leap) {
    return month >= 7 ? month - 7 : month - 1 + (leap ? 7 : 6);
}

bool IsConvertibleYear(int64_t year) {
    return year >= -kMaxYear && year <= kMaxYear;
}

}  // namespace

bool IsHebrewLeapYear(int64_t year) {
    return calendar_math::FloorMod(7 * year + 1, 19) < 7;
}

int HebrewYearLength(int32_t year) {
    if (!IsConvertibleYear(year)) {
        return 0;
    }
    return kStarts[YearOfShiftedYear(static_cast<uint64_t>(year + kShiftYears)).kind][13];
}

int HebrewMonthLength(int32_t year, int32_t month) {
    const bool leap = IsHebrewLeapYear(year);
    if (!IsConvertibleYear(year) || month < 1 || month > (leap ? 13 : 12)) {
        return 0;
    }
    const MonthStarts& starts =
        kStarts[YearOfShiftedYear(static_cast<uint64_t>(year + kShiftYears)).kind];
    const int position = PositionOfMonth(month, leap);
    return starts[position + 1] - starts[position];
}

YmdDate HebrewDateOfJdn(int32_t jdn) {
    const auto days = static_cast<uint64_t>(int64_t{jdn} - kHebrewEpochJdn + kShiftDays);  // < 2^33
    const HebrewYear& year = YearOfDay(days);
    const MonthStarts& starts = kStarts[year.kind];
    const auto dayOfYear = static_cast<int32_t>(days - year.newYear);  // [0, 384]
    // Months of 29 or 30 days: the position is dayOfYear / 30 or the next one.
    int position = dayOfYear / 30;
    if (dayOfYear >= starts[position + 1]) {
        ++position;
    }
    const int32_t month = year.kind >= 3 ? kLeapOrder[position] : kCommonOrder[position];
    return MakeYmdDate(static_cast<int64_t>(year.year) - kShiftYears, month,
                       dayOfYear - starts[position] + 1);
}

JdnResult HebrewDateToJdn(const YmdDate& date) {
    if (!IsConvertibleYear(date.year)) {
        return Refused(DateCheck::OutOfRange);
    }
    const bool leap = IsHebrewLeapYear(date.year);
    if (date.month < 1 || date.month > (leap ? 13 : 12)) {
        return Refused(DateCheck::NoSuchMonth);
    }
    const HebrewYear& year = YearOfShiftedYear(static_cast<uint64_t>(date.year + kShiftYears));
    const MonthStarts& starts = kStarts[year.kind];
    const int position = PositionOfMonth(date.month, leap);
    if (date.day < 1 || date.day > starts[position + 1] - starts[position]) {
        return Refused(DateCheck::NoSuchDay);
    }
    return calendar_math::DayOfCount(static_cast<int64_t>(year.newYear) - kShiftDays +
                                     kHebrewEpochJdn + starts[position] + date.day - 1);
}

}  // namespace tembrel
