// Properties of every calendar of years, months and days: over at least one
// whole cycle of its rules each day converts back to itself and the date of
// each day follows the date of the day before; random days over the whole
// accepted range round-trip; the limits of the range convert and the days just
// beyond them are refused; and each calendar refuses the months and days it
// does not have.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "core/calendar_tables.h"
#include "core/calendars/bahai.h"
#include "core/calendars/french_republican.h"
#include "core/calendars/hebrew.h"
#include "core/calendars/indian_national.h"
#include "core/calendars/islamic.h"
#include "core/calendars/persian.h"
#include "core/calendars/revised_julian.h"
#include "core/calendars/thirty_day_months.h"
#include "libs/roroviri/civil_day_math.h"
#include "tests/core/calendars/calendar_printers.h"
#include "tests/core/calendars/month_order.h"

namespace tembrel {
namespace {

struct YmdCalendar {
    const char* name;
    std::optional<YmdDate> (*ofJdn)(int32_t);
    JdnResult (*toJdn)(const YmdDate&);
    int (*monthLength)(int32_t year, int32_t month);
    // Returns the first day of the month after the month of a date.
    YmdDate (*nextMonth)(const YmdDate& date);
    // A span of days that holds whole cycles of the calendar's rules.
    int32_t cycleStartJdn;
    int32_t cycleDays;
    // Returns the last day of the calendar: kMaxJDN unless its astronomy ends
    // earlier.
    int32_t (*lastJdn)();
};

int32_t LastAcceptedDay() {
    return kMaxJDN;
}

template <YmdDate (*kOfJdn)(int32_t)>
std::optional<YmdDate> Always(int32_t jdn) {
    return kOfJdn(jdn);
}

YmdDate NextOfTwelve(const YmdDate& date) {
    return month_order::NextInYear(date, 12);
}

YmdDate NextOfThirteen(const YmdDate& date) {
    return month_order::NextInYear(date, 13);
}

const YmdCalendar kCalendars[] = {
    // 1000 years around now: the Hebrew rules repeat only after 689472 years,
    // which the long check walks.
    {"Hebrew", Always<HebrewDateOfJdn>, HebrewDateToJdn, HebrewMonthLength,
     month_order::NextHebrewMonth, 2268000, 365247, LastAcceptedDay},
    {"Islamic", Always<IslamicDateOfJdn>, IslamicDateToJdn,
     [](int32_t year, int32_t month) { return IslamicMonthLength(year, month); }, NextOfTwelve,
     2440000, 2 * 10631, LastAcceptedDay},
    // The astronomical years and both hand-overs to the 33-year rule.
    {"Persian", Always<PersianDateOfJdn>, PersianDateToJdn, PersianMonthLength, NextOfTwelve,
     1355000, 1470000, LastAcceptedDay},
    {"Coptic", Always<CopticDateOfJdn>, CopticDateToJdn,
     [](int32_t year, int32_t month) {
         return ThirtyDayMonthLength(month, IsCopticLeapYear(year));
     },
     NextOfThirteen, 2440000, 2 * 1461, LastAcceptedDay},
    {"Ethiopian", Always<EthiopianDateOfJdn>, EthiopianDateToJdn,
     [](int32_t year, int32_t month) {
         return ThirtyDayMonthLength(month, IsCopticLeapYear(year));
     },
     NextOfThirteen, 2440000, 2 * 1461, LastAcceptedDay},
    {"Indian national", Always<IndianNationalDateOfJdn>, IndianNationalDateToJdn,
     [](int32_t year, int32_t month) { return IndianNationalMonthLength(year, month); },
     NextOfTwelve, 2300000, 146097 + 400, LastAcceptedDay},
    {"Revised Julian", Always<RevisedJulianDateOfJdn>, RevisedJulianDateToJdn,
     [](int32_t year, int32_t month) { return RevisedJulianMonthLength(year, month); },
     NextOfTwelve, 1700000, 328718 + 400, LastAcceptedDay},
    {"Egyptian", Always<EgyptianDateOfJdn>, EgyptianDateToJdn,
     [](int32_t, int32_t month) { return ThirtyDayMonthLength(month, false); }, NextOfThirteen,
     1448000, 800, LastAcceptedDay},
    {"Armenian", Always<ArmenianDateOfJdn>, ArmenianDateToJdn,
     [](int32_t, int32_t month) { return ThirtyDayMonthLength(month, false); }, NextOfThirteen,
     1922000, 800, LastAcceptedDay},
    // The historical years 1..19, and a whole 4000-year cycle of Romme's rule.
    {"French Republican", Always<FrenchRepublicanDateOfJdn>, FrenchRepublicanDateToJdn,
     [](int32_t year, int32_t month) {
         return ThirtyDayMonthLength(month, IsFrenchRepublicanLeapYear(year));
     },
     NextOfThirteen, 2375000, 1460969 + 8000, LastAcceptedDay},
    // 400 years of the 21 March rule, the change of rules and the astronomical
    // years up to the end of the calendar.
    {"Bahá'í", BahaiDateOfJdn, BahaiDateToJdn, BahaiMonthLength, month_order::NextBahaiMonth,
     2300000, 2817100 - 2300000, LastBahaiJdn},
};

class YmdCalendarTest : public ::testing::TestWithParam<YmdCalendar> {};

std::string NameOf(const ::testing::TestParamInfo<YmdCalendar>& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            name += c;
        }
    }
    return name;
}

bool Follows(const YmdCalendar& calendar, const YmdDate& before, const YmdDate& after) {
    return month_order::Follows(before, after, calendar.monthLength, calendar.nextMonth);
}

TEST_P(YmdCalendarTest, EveryDayOfACycleRoundTripsAndFollowsTheDayBefore) {
    const YmdCalendar& calendar = GetParam();
    const int32_t last = calendar.cycleStartJdn + calendar.cycleDays;
    std::optional<YmdDate> before = calendar.ofJdn(calendar.cycleStartJdn - 1);
    ASSERT_TRUE(before.has_value());
    int failures = 0;
    for (int32_t jdn = calendar.cycleStartJdn; jdn <= last && failures < 5; ++jdn) {
        const std::optional<YmdDate> date = calendar.ofJdn(jdn);
        const bool ok = date && Follows(calendar, *before, *date) && calendar.toJdn(*date).ok() &&
                        calendar.toJdn(*date).jdn == jdn;
        if (!ok) {
            ++failures;
            ADD_FAILURE() << calendar.name << ": day " << jdn << " after "
                          << ::testing::PrintToString(*before) << " is "
                          << (date ? ::testing::PrintToString(*date) : "none");
        }
        before = date;
    }
}

TEST_P(YmdCalendarTest, RandomDaysOfTheWholeRangeRoundTrip) {
    const YmdCalendar& calendar = GetParam();
    std::mt19937 generator(20240310);
    std::uniform_int_distribution<int32_t> anyDay(kMinJDN, calendar.lastJdn());
    for (int i = 0; i < 20000; ++i) {
        const int32_t jdn = anyDay(generator);
        const std::optional<YmdDate> date = calendar.ofJdn(jdn);
        ASSERT_TRUE(date.has_value()) << calendar.name << " day " << jdn;
        const JdnResult back = calendar.toJdn(*date);
        ASSERT_TRUE(back.ok() && back.jdn == jdn)
            << calendar.name << " day " << jdn << " is " << ::testing::PrintToString(*date);
        EXPECT_GE(date->day, 1);
        EXPECT_LE(date->day, calendar.monthLength(date->year, date->month));
    }
}

TEST_P(YmdCalendarTest, TheLimitsConvertAndTheDaysBeyondThemAreRefused) {
    const YmdCalendar& calendar = GetParam();
    const int32_t last = calendar.lastJdn();
    for (const int32_t jdn : {kMinJDN, kMinJDN + 1, last - 1, last}) {
        const std::optional<YmdDate> date = calendar.ofJdn(jdn);
        ASSERT_TRUE(date.has_value()) << calendar.name << " day " << jdn;
        const JdnResult back = calendar.toJdn(*date);
        EXPECT_TRUE(back.ok() && back.jdn == jdn) << calendar.name << " day " << jdn;
    }
    // The dates of the days just beyond the range name no accepted day.
    EXPECT_EQ(calendar.toJdn(*calendar.ofJdn(kMinJDN - 1)).check, DateCheck::OutOfRange)
        << calendar.name;
    if (const std::optional<YmdDate> beyond = calendar.ofJdn(last + 1)) {
        EXPECT_EQ(calendar.toJdn(*beyond).check, DateCheck::OutOfRange) << calendar.name;
    } else {
        const YmdDate lastDate = *calendar.ofJdn(last);
        const YmdDate afterLast = calendar.nextMonth(lastDate);
        EXPECT_EQ(calendar.toJdn(afterLast).check, DateCheck::OutOfRange) << calendar.name;
    }
}

TEST_P(YmdCalendarTest, FarYearsAreOutOfRangeNotWrapped) {
    const YmdCalendar& calendar = GetParam();
    for (const int32_t year : {INT32_MIN, -8000000, 8000000, INT32_MAX}) {
        EXPECT_EQ(calendar.toJdn({year, 1, 1}).check, DateCheck::OutOfRange)
            << calendar.name << " year " << year;
        // Asking the length of a month of such a year is safe too.
        EXPECT_GE(calendar.monthLength(year, 12), 0) << calendar.name << " year " << year;
    }
}

TEST_P(YmdCalendarTest, MonthsAndDaysBeyondTheCalendarAreRefused) {
    const YmdCalendar& calendar = GetParam();
    const YmdDate today = *calendar.ofJdn(2460000);
    for (const int32_t month : {-1, 20, 21, INT32_MAX}) {
        EXPECT_EQ(calendar.toJdn({today.year, month, 1}).check, DateCheck::NoSuchMonth)
            << calendar.name << " month " << month;
    }
    const int length = calendar.monthLength(today.year, today.month);
    for (const int32_t day : {0, length + 1, INT32_MAX}) {
        EXPECT_EQ(calendar.toJdn({today.year, today.month, day}).check, DateCheck::NoSuchDay)
            << calendar.name << " day " << day;
    }
}

INSTANTIATE_TEST_SUITE_P(AllCalendars, YmdCalendarTest, ::testing::ValuesIn(kCalendars), NameOf);

TEST(YmdCalendars, YearsWithoutTheirLeapMonthsOrDaysRefuseThem) {
    // 5783 is a common Hebrew year, 5784 a leap year with Adar II.
    EXPECT_EQ(HebrewDateToJdn({5783, 13, 1}).check, DateCheck::NoSuchMonth);
    EXPECT_TRUE(HebrewDateToJdn({5784, 13, 29}).ok());
    // 5784 has 383 days: Marheshvan and Kislev have 29.
    EXPECT_EQ(HebrewYearLength(5784), 383);
    EXPECT_EQ(HebrewDateToJdn({5784, 8, 30}).check, DateCheck::NoSuchDay);
    EXPECT_EQ(HebrewDateToJdn({5784, 9, 30}).check, DateCheck::NoSuchDay);
    // Dhu al-Hijja has 30 days in a leap year only.
    EXPECT_TRUE(IslamicDateToJdn({1445, 12, 30}).ok());
    EXPECT_EQ(IslamicDateToJdn({1444, 12, 30}).check, DateCheck::NoSuchDay);
    // Esfand 1403 has 30 days, Esfand 1402 29.
    EXPECT_TRUE(PersianDateToJdn({1403, 12, 30}).ok());
    EXPECT_EQ(PersianDateToJdn({1402, 12, 30}).check, DateCheck::NoSuchDay);
    // The sixth epagomenal day of the Coptic year 1739 (3 mod 4), not of 1740.
    EXPECT_TRUE(CopticDateToJdn({1739, 13, 6}).ok());
    EXPECT_EQ(CopticDateToJdn({1740, 13, 6}).check, DateCheck::NoSuchDay);
    EXPECT_EQ(EgyptianDateToJdn({2000, 13, 6}).check, DateCheck::NoSuchDay);
    // Chaitra has 31 days when the Gregorian year + 78 is a leap year (1946 + 78).
    EXPECT_TRUE(IndianNationalDateToJdn({1946, 1, 31}).ok());
    EXPECT_EQ(IndianNationalDateToJdn({1945, 1, 31}).check, DateCheck::NoSuchDay);
    // 2800 is a Gregorian leap year but not a revised Julian one; 2900 the reverse.
    EXPECT_EQ(RevisedJulianDateToJdn({2800, 2, 29}).check, DateCheck::NoSuchDay);
    EXPECT_TRUE(RevisedJulianDateToJdn({2900, 2, 29}).ok());
    // The sixth sansculottide: year 3 had one, year 4 did not, year 20 did.
    EXPECT_TRUE(FrenchRepublicanDateToJdn({3, 13, 6}).ok());
    EXPECT_EQ(FrenchRepublicanDateToJdn({4, 13, 6}).check, DateCheck::NoSuchDay);
    EXPECT_TRUE(FrenchRepublicanDateToJdn({20, 13, 6}).ok());
    // Ayyám-i-Há of 181 BE (2024/2025) has four days.
    EXPECT_EQ(BahaiIntercalaryDays(181), 4);
    EXPECT_EQ(BahaiDateToJdn({181, 0, 5}).check, DateCheck::NoSuchDay);
}

int32_t GregorianJdn(int32_t year, uint32_t month, int32_t day) {
    return static_cast<int32_t>(roroviri::math::GregorianMonthStart(year, month)) + day - 1;
}

TEST(YmdCalendars, KnownDatesOfTheCalendarsWithoutSampleDates) {
    // 1 Chaitra 1946 was 21 March 2024 (a leap year), 1 Chaitra 1945 22 March 2023.
    EXPECT_EQ(IndianNationalDateOfJdn(GregorianJdn(2024, 3, 21)), (YmdDate{1946, 1, 1}));
    EXPECT_EQ(IndianNationalDateOfJdn(GregorianJdn(2023, 3, 22)), (YmdDate{1945, 1, 1}));
    // The revised Julian calendar matches the Gregorian from 1600 to
    // 28 February 2800 and has no 29 February 2800.
    EXPECT_EQ(RevisedJulianDateOfJdn(GregorianJdn(1600, 3, 1)), (YmdDate{1600, 3, 1}));
    EXPECT_EQ(RevisedJulianDateOfJdn(GregorianJdn(2800, 2, 28)), (YmdDate{2800, 2, 28}));
    EXPECT_EQ(RevisedJulianDateOfJdn(GregorianJdn(2800, 2, 29)), (YmdDate{2800, 3, 1}));
    // 18 Brumaire An VIII was 9 November 1799; 1 Vendémiaire An IV was
    // 23 September 1795, after the sextile year III.
    EXPECT_EQ(FrenchRepublicanDateOfJdn(GregorianJdn(1799, 11, 9)), (YmdDate{8, 2, 18}));
    EXPECT_EQ(FrenchRepublicanDateOfJdn(GregorianJdn(1795, 9, 23)), (YmdDate{4, 1, 1}));
    EXPECT_EQ(FrenchRepublicanDateOfJdn(GregorianJdn(1792, 9, 22)), (YmdDate{1, 1, 1}));
}

}  // namespace
}  // namespace tembrel
