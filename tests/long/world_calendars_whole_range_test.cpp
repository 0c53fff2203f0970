// Every day number of the world's calendars: each day of -2100000000 ..
// 2100000000 (of its range, for the Bahá'í and Chinese calendars) goes to the
// calendar's date and back to the same day, and the date of each day follows
// the date of the day before: the next day of the month, or the first day of
// the month that comes next in the calendar's order of months. (The day counts,
// a subtraction or a multiplication each, are checked by the unit tests.)
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "core/calendars/bahai.h"
#include "core/calendars/chinese.h"
#include "core/calendars/french_republican.h"
#include "core/calendars/hebrew.h"
#include "core/calendars/indian_national.h"
#include "core/calendars/islamic.h"
#include "core/calendars/maya.h"
#include "core/calendars/persian.h"
#include "core/calendars/revised_julian.h"
#include "core/calendars/thirty_day_months.h"
#include "tests/core/calendars/month_order.h"
#include "tests/long/whole_range_walk.h"

namespace {

using namespace tembrel;
using month_order::NextBahaiMonth;
using month_order::NextHebrewMonth;
using whole_range::CheckWholeRange;
using whole_range::FollowsInMonths;

constexpr int64_t kNoDay = INT64_MIN;

int64_t DayOf(const JdnResult& result) {
    return result.ok() ? result.jdn : kNoDay;
}

// A calendar of years and months 1..kMonths in order, each month's length
// given by kMonthLength.
template <YmdDate (*kOfJdn)(int32_t), JdnResult (*kToJdn)(const YmdDate&),
          int (*kMonthLength)(int32_t, int32_t), int kMonths>
struct MonthsInOrder {
    using Date = YmdDate;
    static void ToDate(int32_t jdn, Date& date) { date = kOfJdn(jdn); }
    static int64_t ToJdn(Date& date) { return DayOf(kToJdn(date)); }
    static bool Follows(const Date& before, const Date& after) {
        return FollowsInMonths(before.year, before.month, before.day, after.year, after.month,
                               after.day, kMonths,
                               [&] { return kMonthLength(before.year, before.month); });
    }
};

int IslamicLength(int32_t year, int32_t month) {
    return IslamicMonthLength(year, month);
}
int CopticLength(int32_t year, int32_t month) {
    return ThirtyDayMonthLength(month, IsCopticLeapYear(year));
}
int VagueYearLength(int32_t, int32_t month) {
    return ThirtyDayMonthLength(month, false);
}
int IndianLength(int32_t year, int32_t month) {
    return IndianNationalMonthLength(year, month);
}
int RevisedJulianLength(int32_t year, int32_t month) {
    return RevisedJulianMonthLength(year, month);
}
int FrenchLength(int32_t year, int32_t month) {
    return ThirtyDayMonthLength(month, IsFrenchRepublicanLeapYear(year));
}

// A calendar whose months follow an order of their own: kNextMonth gives the
// month after a month, as the first day of that month.
template <YmdDate (*kOfJdn)(int32_t), JdnResult (*kToJdn)(const YmdDate&),
          int (*kMonthLength)(int32_t, int32_t), YmdDate (*kNextMonth)(const YmdDate&)>
struct MonthsInCalendarOrder {
    using Date = YmdDate;
    static void ToDate(int32_t jdn, Date& date) { date = kOfJdn(jdn); }
    static int64_t ToJdn(Date& date) { return DayOf(kToJdn(date)); }
    static bool Follows(const Date& before, const Date& after) {
        return month_order::Follows(before, after, kMonthLength, kNextMonth);
    }
};

YmdDate BahaiDateOrNone(int32_t jdn) {
    return BahaiDateOfJdn(jdn).value_or(YmdDate{});
}

using HebrewDates =
    MonthsInCalendarOrder<HebrewDateOfJdn, HebrewDateToJdn, HebrewMonthLength, NextHebrewMonth>;
using BahaiDates =
    MonthsInCalendarOrder<BahaiDateOrNone, BahaiDateToJdn, BahaiMonthLength, NextBahaiMonth>;

struct ChineseDates {
    using Date = ChineseDate;
    static void ToDate(int32_t jdn, Date& date) { date = ChineseDateOfJdn(jdn).value_or(Date{}); }
    static int64_t ToJdn(Date& date) { return DayOf(ChineseDateToJdn(date)); }
    static bool Follows(const Date& before, const Date& after) {
        if (after.day == before.day + 1) {
            return after.cycle == before.cycle && after.year == before.year &&
                   after.month == before.month && after.leap == before.leap && after.day <= 30;
        }
        if (after.day != 1 || before.day < 29 || before.day != ChineseMonthLength(before)) {
            return false;
        }
        // The next month: the leap month of the same number, or the next number,
        // which after month 12 begins the next year.
        if (!before.leap && after.leap) {
            return after.cycle == before.cycle && after.year == before.year &&
                   after.month == before.month;
        }
        if (before.month < 12) {
            return after.cycle == before.cycle && after.year == before.year &&
                   after.month == before.month + 1 && !after.leap;
        }
        const bool nextYear = before.year == 60
                                  ? after.cycle == before.cycle + 1 && after.year == 1
                                  : after.cycle == before.cycle && after.year == before.year + 1;
        return nextYear && after.month == 1 && !after.leap;
    }
};

struct MayaDates {
    using Date = MayaLongCount;
    static void ToDate(int32_t jdn, Date& date) { date = MayaLongCountOfJdn(jdn); }
    static int64_t ToJdn(Date& date) { return DayOf(MayaLongCountToJdn(date)); }
    // The count goes up by one like a number with the digits 20, 20, 18, 20.
    static bool Follows(const Date& before, const Date& after) {
        Date next = before;
        if (++next.kin == 20) {
            next.kin = 0;
            if (++next.uinal == 18) {
                next.uinal = 0;
                if (++next.tun == 20) {
                    next.tun = 0;
                    if (++next.katun == 20) {
                        next.katun = 0;
                        ++next.baktun;
                    }
                }
            }
        }
        return next == after;
    }
};

TEST(WorldCalendarsWholeRange, Hebrew) {
    CheckWholeRange<HebrewDates>("HEB");
}

TEST(WorldCalendarsWholeRange, Islamic) {
    CheckWholeRange<MonthsInOrder<IslamicDateOfJdn, IslamicDateToJdn, IslamicLength, 12>>("ISL");
}

TEST(WorldCalendarsWholeRange, Persian) {
    CheckWholeRange<MonthsInOrder<PersianDateOfJdn, PersianDateToJdn, PersianMonthLength, 12>>(
        "PER");
}

TEST(WorldCalendarsWholeRange, Coptic) {
    CheckWholeRange<MonthsInOrder<CopticDateOfJdn, CopticDateToJdn, CopticLength, 13>>("COP");
}

TEST(WorldCalendarsWholeRange, Ethiopian) {
    CheckWholeRange<MonthsInOrder<EthiopianDateOfJdn, EthiopianDateToJdn, CopticLength, 13>>("ETH");
}

TEST(WorldCalendarsWholeRange, IndianNational) {
    CheckWholeRange<
        MonthsInOrder<IndianNationalDateOfJdn, IndianNationalDateToJdn, IndianLength, 12>>("IND");
}

TEST(WorldCalendarsWholeRange, RevisedJulian) {
    CheckWholeRange<
        MonthsInOrder<RevisedJulianDateOfJdn, RevisedJulianDateToJdn, RevisedJulianLength, 12>>(
        "RJ");
}

TEST(WorldCalendarsWholeRange, Egyptian) {
    CheckWholeRange<MonthsInOrder<EgyptianDateOfJdn, EgyptianDateToJdn, VagueYearLength, 13>>(
        "EGY");
}

TEST(WorldCalendarsWholeRange, Armenian) {
    CheckWholeRange<MonthsInOrder<ArmenianDateOfJdn, ArmenianDateToJdn, VagueYearLength, 13>>(
        "ARM");
}

TEST(WorldCalendarsWholeRange, FrenchRepublican) {
    CheckWholeRange<
        MonthsInOrder<FrenchRepublicanDateOfJdn, FrenchRepublicanDateToJdn, FrenchLength, 13>>(
        "FRE");
}

TEST(WorldCalendarsWholeRange, Bahai) {
    CheckWholeRange<BahaiDates>("BAH", whole_range::kFirstJdn, LastBahaiJdn());
    EXPECT_FALSE(BahaiDateOfJdn(LastBahaiJdn() + 1).has_value());
}

TEST(WorldCalendarsWholeRange, MayaLongCount) {
    CheckWholeRange<MayaDates>("MAY");
}

TEST(WorldCalendarsWholeRange, Chinese) {
    CheckWholeRange<ChineseDates>("CHN", FirstChineseJdn(), LastChineseJdn());
    EXPECT_FALSE(ChineseDateOfJdn(FirstChineseJdn() - 1).has_value());
    EXPECT_FALSE(ChineseDateOfJdn(LastChineseJdn() + 1).has_value());
}

}  // namespace
