// Every day number of the world's calendars: each day of -2100000000 ..
// 2100000000 (of its range, for the Bahá'í and Chinese calendars) goes to the
// calendar's date and back to the same day, and the date of each day follows
// the date of the day before: the next day of the month, or the first day of
// the month that comes next in the calendar's order of months.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>

#include "core/calendars/bahai.h"
#include "core/calendars/chinese.h"
#include "core/calendars/day_counts.h"
#include "core/calendars/french_republican.h"
#include "core/calendars/hebrew.h"
#include "core/calendars/indian_national.h"
#include "core/calendars/islamic.h"
#include "core/calendars/maya.h"
#include "core/calendars/persian.h"
#include "core/calendars/revised_julian.h"
#include "core/calendars/thirty_day_months.h"
#include "tests/long/whole_range_walk.h"

namespace {

using namespace tembrel;
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

// Hebrew months run Tishri (7) .. Adar (12), Adar II (13) in a leap year,
// Nisan (1) .. Elul (6); the year changes at Tishri.
struct HebrewDates {
    using Date = YmdDate;
    static void ToDate(int32_t jdn, Date& date) { date = HebrewDateOfJdn(jdn); }
    static int64_t ToJdn(Date& date) { return DayOf(HebrewDateToJdn(date)); }
    static bool Follows(const Date& before, const Date& after) {
        if (after.day == before.day + 1) {
            return after.year == before.year && after.month == before.month &&
                   (before.day < 29 || after.day <= HebrewMonthLength(after.year, after.month));
        }
        if (after.day != 1 || before.day != HebrewMonthLength(before.year, before.month)) {
            return false;
        }
        if (before.month == 6) {
            return after.year == before.year + 1 && after.month == 7;
        }
        int next = before.month == 13 ? 1 : before.month + 1;
        if (before.month == 12) {
            next = IsHebrewLeapYear(before.year) ? 13 : 1;
        }
        return after.year == before.year && after.month == next;
    }
};

// Bahá'í months 1..18, Ayyám-i-Há (0), month 19.
struct BahaiDates {
    using Date = YmdDate;
    static void ToDate(int32_t jdn, Date& date) { date = BahaiDateOfJdn(jdn).value_or(Date{}); }
    static int64_t ToJdn(Date& date) { return DayOf(BahaiDateToJdn(date)); }
    static bool Follows(const Date& before, const Date& after) {
        if (after.day == before.day + 1) {
            return after.year == before.year && after.month == before.month &&
                   after.day <= BahaiMonthLength(after.year, after.month);
        }
        if (after.day != 1 || before.day != BahaiMonthLength(before.year, before.month)) {
            return false;
        }
        if (before.month == 19) {
            return after.year == before.year + 1 && after.month == 1;
        }
        const int next = before.month == 18 ? 0 : (before.month == 0 ? 19 : before.month + 1);
        return after.year == before.year && after.month == next;
    }
};

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

// The five day counts at once: each goes up by one a day (Unix time by 86400
// seconds), the spreadsheet serials by two across the phantom 29 February 1900.
struct DayCounts {
    static constexpr std::array kCounts = {DayCount::MJD, DayCount::RD, DayCount::LIL,
                                           DayCount::UNX, DayCount::XLS};
    using Date = std::array<int64_t, kCounts.size()>;
    static void ToDate(int32_t jdn, Date& date) {
        for (size_t i = 0; i < kCounts.size(); ++i) {
            date[i] = DayCountOfJdn(kCounts[i], jdn);
        }
    }
    static int64_t ToJdn(Date& date) {
        const int64_t jdn = DayOf(JdnOfDayCount(kCounts[0], date[0]));
        for (size_t i = 1; i < kCounts.size(); ++i) {
            if (DayOf(JdnOfDayCount(kCounts[i], date[i])) != jdn) {
                return kNoDay;
            }
        }
        return jdn;
    }
    static bool Follows(const Date& before, const Date& after) {
        return after[0] == before[0] + 1 && after[1] == before[1] + 1 &&
               after[2] == before[2] + 1 && after[3] == before[3] + kSecondsPerDay &&
               after[4] == before[4] + (before[4] == kSpreadsheetPhantomDay - 1 ? 2 : 1);
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

TEST(WorldCalendarsWholeRange, DayCounts) {
    CheckWholeRange<DayCounts>("MJD, RD, LIL, UNX, XLS");
}

}  // namespace
