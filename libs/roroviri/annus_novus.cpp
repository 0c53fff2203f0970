// Revar Overe dates to day numbers and back. A year starts on the day of the
// Gregorian year of the same number and is as long; its ten months have 37 days
// (months 1-5) or 36 (months 6-9), and month 10 takes the rest: 36 days, or 37 in
// a Gregorian leap year.
#include "libs/roroviri/calendar_rules.h"
#include "libs/roroviri/civil_day_math.h"
#include "libs/roroviri/roroviri.h"

namespace roroviri {

namespace {

constexpr int32_t kMonths = 10;
constexpr uint32_t kLongMonths = 5;
constexpr uint32_t kLongMonthDays = 37;
constexpr uint32_t kShortMonthDays = 36;
constexpr uint32_t kDaysInLongMonths = kLongMonths * kLongMonthDays;  // 185

// Returns the days from the first of the year to the first of month 1..10.
constexpr uint32_t DaysBeforeMonth(uint32_t month) {
    return month <= kLongMonths ? kLongMonthDays * (month - 1)
                                : kDaysInLongMonths + kShortMonthDays * (month - kLongMonths - 1);
}
static_assert(DaysBeforeMonth(kMonths) + kShortMonthDays == 365);

// Returns the Revar Overe date of a day number; exact for every 32-bit day number.
math::CivilDate AnnusNovusDateOfJdn(int32_t jdn) {
    const int32_t year = math::GregorianDateOfJdn(jdn).year;
    const auto dayOfYear =
        static_cast<uint32_t>(jdn - math::GregorianMonthStart(year, 1));  // [0, 365]
    uint32_t month = dayOfYear < kDaysInLongMonths
                         ? dayOfYear / kLongMonthDays + 1
                         : (dayOfYear - kDaysInLongMonths) / kShortMonthDays + kLongMonths + 1;
    // Day 365 exists only in a leap year: the 37th day of month 10, not month 11.
    if (month > static_cast<uint32_t>(kMonths)) {
        month = kMonths;
    }
    return {year, static_cast<int32_t>(month),
            static_cast<int32_t>(dayOfYear - DaysBeforeMonth(month) + 1)};
}

}  // namespace

int32_t AnnusNovusMonthDays(int64_t year, int32_t month) {
    if (month < 1 || month > kMonths) {
        return 0;
    }
    if (month <= static_cast<int32_t>(kLongMonths)) {
        return kLongMonthDays;
    }
    return month == kMonths && math::IsGregorianLeapYear(year) ? kLongMonthDays : kShortMonthDays;
}

int64_t AnnusNovusDayNumber(int32_t year, int32_t month, int32_t day) {
    int64_t fullYear = year;
    auto yearMonth = static_cast<uint32_t>(month);
    if (month < 1 || month > kMonths) {
        // Whole years move out of the month: |fullYear| < 2^31 + 2^28.
        const int64_t monthsFromFirst = int64_t{month} - 1;
        fullYear += math::FloorDiv(monthsFromFirst, kMonths);
        yearMonth = static_cast<uint32_t>(math::FloorMod(monthsFromFirst, kMonths)) + 1;
    }
    if (!math::IsYearInArithmeticRange(fullYear)) {
        return kNoDayNumber;  // too far for any 32-bit day number
    }
    // |GregorianMonthStart| < 2^33 and |day| < 2^31: the sum fits.
    return math::GregorianMonthStart(fullYear, 1) + DaysBeforeMonth(yearMonth) + (int64_t{day} - 1);
}

}  // namespace roroviri

extern "C" {

int32_t annus_novus_date_to_jdn(CalDate* date) {
    if (date == nullptr) {
        return kRoroviriNoJdn;
    }
    const int64_t jdn = roroviri::AnnusNovusDayNumber(date->year, date->month, date->day);
    date->jdn = roroviri::math::FitsJdn(jdn) ? static_cast<int32_t>(jdn) : kRoroviriNoJdn;
    return date->jdn;
}

int32_t jdn_to_annus_novus_date(CalDate* date) {
    if (date == nullptr) {
        return -1;
    }
    const roroviri::math::CivilDate civil = roroviri::AnnusNovusDateOfJdn(date->jdn);
    date->year = civil.year;
    date->month = civil.month;
    date->day = civil.day;
    date->marker = roroviri::kAnnusNovus;
    return euro_day_of_week(date->jdn);
}

}  // extern "C"
