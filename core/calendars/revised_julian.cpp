#include "core/calendars/revised_julian.h"

#include <limits>

#include "core/calendars/calendar_arithmetic.h"
#include "libs/roroviri/civil_day_math.h"

namespace tembrel {

namespace {

using calendar_math::FloorMod;

// The years are counted in "March years" from 1 March to the end of February, so
// that a leap day is the last day of its year; March year 0 begins on
// 1 March 0, as in the Gregorian calendar.
constexpr int64_t kMarchFirstOfYear0 = calendar_math::kMarchFirstOfYear0;

constexpr int64_t kCycleYears = 900;
constexpr int64_t kCycleDays = 900 * 365 + 225 - 9 + 2;
static_assert(kCycleDays == 328718);

// Within a cycle of March years 0..899, the century of March years 100c..100c+99
// ends with the leap day of year 100c + 100, a leap year only for c = 1 and
// c = 5 (years 200 and 600): the days from the cycle's start to each century.
constexpr int32_t kCenturyStart[10] = {0,      36524,  73049,  109573, 146097,
                                       182621, 219146, 255670, 292194, 328718};

// Every 32-bit day number, moved forward by this many cycles, lies after the
// epoch.
constexpr int64_t kShiftCycles = 6540;
static_assert(kShiftCycles * kCycleDays >
              -int64_t{std::numeric_limits<int32_t>::min()} + kMarchFirstOfYear0);

// Years within ±(2^23 + 1), moved forward by this many cycles, are positive.
constexpr int64_t kShiftYears = kCycleYears * 9400;
static_assert(kShiftYears > calendar_math::kMaxYearMagnitude + 1000);

// Returns every fourth year, less the century years, plus those at 200 and 600
// of 900, among the years 1..shifted - kShiftYears, plus the same count for the
// years of the shift.
constexpr uint64_t ShiftedLeapDays(uint64_t shifted) {
    return shifted / 4 - shifted / 100 + (shifted - 200) / kCycleYears +
           (shifted - 600) / kCycleYears + 2;
}

// Returns the leap days of the years 1..year (negative for a negative year).
// March year y begins LeapDaysThrough(y) days after 365 × y days.
int64_t LeapDaysThrough(int64_t year) {
    return static_cast<int64_t>(ShiftedLeapDays(static_cast<uint64_t>(year + kShiftYears))) -
           static_cast<int64_t>(ShiftedLeapDays(kShiftYears));
}

constexpr int kMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

bool IsRevisedJulianLeapYear(int64_t year) {
    if (FloorMod(year, 4) != 0) {
        return false;
    }
    if (FloorMod(year, 100) != 0) {
        return true;
    }
    const int64_t inCycle = FloorMod(year, kCycleYears);
    return inCycle == 200 || inCycle == 600;
}

int RevisedJulianMonthLength(int64_t year, int32_t month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    return kMonthDays[month] + (month == 2 && IsRevisedJulianLeapYear(year) ? 1 : 0);
}

YmdDate RevisedJulianDateOfJdn(int32_t jdn) {
    const auto days = static_cast<uint64_t>(int64_t{jdn} - kMarchFirstOfYear0 +
                                            kShiftCycles * kCycleDays);  // < 2^33
    const auto cycles = static_cast<int64_t>(days / kCycleDays);
    const auto dayOfCycle = static_cast<int32_t>(days % kCycleDays);  // [0, 328717]
    // The two leap centuries move a century's start by at most two days, so the
    // estimate is the century or the one after it.
    int32_t century = dayOfCycle / 36524;
    if (century > 8 || dayOfCycle < kCenturyStart[century]) {
        --century;
    }
    // Within a century every fourth year is long and the last of its four; a
    // common century simply lacks the last day.
    const uint32_t scaled = 4 * static_cast<uint32_t>(dayOfCycle - kCenturyStart[century]) + 3;
    const uint32_t yearOfCentury = scaled / 1461;  // [0, 99]
    const uint32_t dayOfYear = scaled % 1461 / 4;  // [0, 365]
    const int64_t marchYear = (cycles - kShiftCycles) * kCycleYears + 100 * century + yearOfCentury;
    const roroviri::math::CivilDate date = roroviri::math::DateOfMarchDay(marchYear, dayOfYear);
    return MakeYmdDate(date.year, date.month, date.day);
}

JdnResult RevisedJulianDateToJdn(const YmdDate& date) {
    const DateCheck check = calendar_math::CheckYmdFields(date, 12, RevisedJulianMonthLength);
    if (check != DateCheck::Valid) {
        return Refused(check);
    }
    const int64_t marchYear = int64_t{date.year} - (date.month <= 2 ? 1 : 0);
    return calendar_math::DayOfCount(
        kMarchFirstOfYear0 + 365 * marchYear + LeapDaysThrough(marchYear) +
        roroviri::math::kDaysFromMarchToMonth[date.month] + date.day - 1);  // |.| < 2^32
}

}  // namespace tembrel
