#include "core/calendars/chinese.h"

#include <array>
#include <cmath>

#include "core/calendars/astronomy/civil_days.h"
#include "core/calendars/astronomy/delta_t.h"
#include "core/calendars/astronomy/new_moon.h"
#include "core/calendars/astronomy/solar_longitude.h"
#include "core/calendars/calendar_arithmetic.h"
#include "core/calendars/year_cache.h"

namespace tembrel {

namespace {

using astronomy::kFirstAstronomicalYear;
using astronomy::kLastAstronomicalYear;

// Beijing's clocks: UTC+8 from 1 January 1929, before that the mean solar time
// of the meridian 116°25' E, 1397/180 hours.
constexpr double kJanuary1929 = 2425612.5;  // 0:00 universal time
double BeijingZoneHours(double universalTime) {
    return universalTime < kJanuary1929 ? 1397.0 / 180.0 : 8.0;
}

int32_t BeijingDayOf(double universalTime) {
    return astronomy::DayOfMoment(universalTime, BeijingZoneHours(universalTime));
}

int32_t NewMoonDay(int64_t lunation) {
    return BeijingDayOf(astronomy::UniversalFromTerrestrial(astronomy::NewMoonMoment(lunation)));
}

int32_t WinterSolsticeDay(int32_t gregorianYear) {
    const double estimate =
        astronomy::MarchEquinoxEstimate(gregorianYear) + 0.75 * astronomy::kTropicalYearDays;
    return BeijingDayOf(
        astronomy::UniversalFromTerrestrial(astronomy::SolarLongitudeMoment(270.0, estimate)));
}

// Returns the lunation whose new moon day is the last on or before a day.
int64_t LunationOnOrBefore(int32_t day) {
    int64_t lunation = astronomy::LunationNear(day);
    // The nearest mean new moon lies within a few days of the true one.
    while (NewMoonDay(lunation) > day) {
        --lunation;
    }
    while (NewMoonDay(lunation + 1) <= day) {
        ++lunation;
    }
    return lunation;
}

// Returns which of the twelve 30-degree arcs the Sun is in at the start of a
// day; a month whose first day and the first day of the next month give the
// same arc holds no major solar term.
int SolarArcAtStartOfDay(int32_t day) {
    const double start = astronomy::StartOfDay(day, BeijingZoneHours(day - 0.5));
    return static_cast<int>(std::floor(
        astronomy::ApparentSolarLongitude(astronomy::TerrestrialFromUniversal(start)) / 30.0));
}

// The months from month 11 of one Gregorian year to month 11 of the next (a
// "sui"), named by the second year: the sui of g begins in November or December
// of g - 1 and holds the start of the Chinese year that begins in g.
struct Sui {
    std::array<int32_t, 14> monthStart{};  // first days; monthStart[count] is the next month 11
    int8_t count = 0;                      // 12 or 13 months
    int8_t leapIndex = -1;                 // the leap month, or -1
    int8_t newYearIndex = 0;               // month 1 of the Chinese year

    // Returns the number of the month at an index (11 at index 0).
    int NumberAt(int index) const {
        const int shifted = index - (leapIndex >= 0 && index >= leapIndex ? 1 : 0);
        return (10 + shifted) % 12 + 1;
    }

    // Returns the index of a month, or -1 when the sui has no such month.
    int IndexOf(int month, bool leap) const {
        const int plain = (month + 1) % 12;  // 11 -> 0, 12 -> 1, 1 -> 2, ..., 10 -> 11
        if (leap) {
            return leapIndex == plain + 1 ? leapIndex : -1;
        }
        return leapIndex >= 0 && leapIndex <= plain ? plain + 1 : plain;
    }

    // Returns the index of the month that holds a day of the sui.
    int IndexOfDay(int32_t day) const {
        // Months of 29 or 30 days: the index is (day - start) / 30 or the next.
        int index = (day - monthStart[0]) / 30;
        if (day >= monthStart[index + 1]) {
            ++index;
        }
        return index;
    }
};

Sui ComputeSui(int32_t gregorianYear) {
    const int64_t first = LunationOnOrBefore(WinterSolsticeDay(gregorianYear - 1));
    const int64_t next = LunationOnOrBefore(WinterSolsticeDay(gregorianYear));
    Sui sui;
    sui.count = static_cast<int8_t>(next - first);  // 12 or 13
    for (int i = 0; i <= sui.count; ++i) {
        sui.monthStart[i] = NewMoonDay(first + i);
    }
    if (sui.count == 13) {
        // Eleven major terms fall between the two solstices, so one of the twelve
        // months after month 11 has none.
        int arc = SolarArcAtStartOfDay(sui.monthStart[1]);
        for (int i = 1; i <= 12; ++i) {
            const int nextArc = SolarArcAtStartOfDay(sui.monthStart[i + 1]);
            if (nextArc == arc) {
                sui.leapIndex = static_cast<int8_t>(i);
                break;
            }
            arc = nextArc;
        }
    }
    sui.newYearIndex = static_cast<int8_t>(sui.leapIndex == 1 || sui.leapIndex == 2 ? 3 : 2);
    return sui;
}

Sui SuiOf(int32_t gregorianYear) {
    thread_local YearCache<Sui, 64> suis;
    return suis.Get(gregorianYear, ComputeSui);
}

int32_t NewYearDay(int32_t gregorianYear) {
    const Sui sui = SuiOf(gregorianYear);
    return sui.monthStart[sui.newYearIndex];
}

bool IsChineseYearInRange(int64_t gregorianYear) {
    return gregorianYear >= kFirstAstronomicalYear && gregorianYear <= kLastAstronomicalYear;
}

// A month of a Chinese year found in its sui, or none.
struct MonthInSui {
    Sui sui;
    int index = -1;
};

// Returns the sui and index of a month of a Chinese year: months 11 and 12
// (and a leap month after them) lie in the next year's sui, before its new year.
MonthInSui FindMonth(int64_t gregorianYear, int month, bool leap) {
    const bool lateMonth = month >= 11;
    MonthInSui found{SuiOf(static_cast<int32_t>(gregorianYear + (lateMonth ? 1 : 0)))};
    const int index = found.sui.IndexOf(month, leap);
    const bool inThisYear =
        lateMonth ? index < found.sui.newYearIndex : index >= found.sui.newYearIndex;
    found.index = index >= 0 && inThisYear ? index : -1;
    return found;
}

}  // namespace

int32_t FirstChineseJdn() {
    return NewYearDay(kFirstAstronomicalYear);
}

int32_t LastChineseJdn() {
    return NewYearDay(kLastAstronomicalYear + 1) - 1;
}

std::optional<ChineseDate> ChineseDateOfJdn(int32_t jdn) {
    const int64_t gregorianYear = calendar_math::GregorianYearOf(jdn).year;
    if (gregorianYear < kFirstAstronomicalYear || gregorianYear > kLastAstronomicalYear + 1) {
        return std::nullopt;
    }
    const auto year = static_cast<int32_t>(gregorianYear);
    if ((year == kFirstAstronomicalYear && jdn < NewYearDay(year)) ||
        (year == kLastAstronomicalYear + 1 && jdn >= NewYearDay(year))) {
        return std::nullopt;
    }
    // The sui of the Gregorian year begins before 1 January; from its month 11
    // on (late November or December) the day belongs to the next sui.
    Sui sui = SuiOf(year);
    int32_t suiYear = year;
    if (jdn >= sui.monthStart[sui.count]) {
        ++suiYear;
        sui = SuiOf(suiYear);
    }
    const int index = sui.IndexOfDay(jdn);
    const int64_t chineseYear = suiYear - (index < sui.newYearIndex ? 1 : 0);
    const int64_t elapsed = chineseYear + 2637 - 1;  // years since cycle 1, year 1
    return ChineseDate{static_cast<int32_t>(calendar_math::FloorDiv(elapsed, 60) + 1),
                       static_cast<int32_t>(calendar_math::FloorMod(elapsed, 60) + 1),
                       sui.NumberAt(index), index == sui.leapIndex,
                       jdn - sui.monthStart[index] + 1};
}

JdnResult ChineseDateToJdn(const ChineseDate& date) {
    if (date.year < 1 || date.year > 60) {
        return Refused(DateCheck::NoSuchCycleYear);
    }
    const int64_t gregorianYear = GregorianYearOfChineseYear(date.cycle, date.year);
    if (!IsChineseYearInRange(gregorianYear)) {
        return Refused(DateCheck::OutOfRange);
    }
    if (date.month < 1 || date.month > 12) {
        return Refused(DateCheck::NoSuchMonth);
    }
    const MonthInSui found = FindMonth(gregorianYear, date.month, date.leap);
    if (found.index < 0) {
        return Refused(DateCheck::NoSuchLeapMonth);
    }
    const int32_t start = found.sui.monthStart[found.index];
    if (date.day < 1 || date.day > found.sui.monthStart[found.index + 1] - start) {
        return Refused(DateCheck::NoSuchDay);
    }
    return {DateCheck::Valid, start + date.day - 1};
}

int ChineseMonthLength(const ChineseDate& month) {
    const int64_t gregorianYear = GregorianYearOfChineseYear(month.cycle, month.year);
    if (month.year < 1 || month.year > 60 || !IsChineseYearInRange(gregorianYear) ||
        month.month < 1 || month.month > 12) {
        return 0;
    }
    const MonthInSui found = FindMonth(gregorianYear, month.month, month.leap);
    if (found.index < 0) {
        return 0;
    }
    return found.sui.monthStart[found.index + 1] - found.sui.monthStart[found.index];
}

int ChineseLeapMonth(int32_t cycle, int32_t year) {
    for (int month = 1; month <= 12; ++month) {
        if (ChineseMonthLength({cycle, year, month, true, 1}) > 0) {
            return month;
        }
    }
    return 0;
}

}  // namespace tembrel
