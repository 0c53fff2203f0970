// Every day number from -2100000000 to 2100000000, in every notation: the date of
// the day converts back to the same day number, and the date of each day follows
// the date of the day before (the next day of the month, or the first day of the
// next month or year right after the last day of the month or year).
//
// Each notation is one small struct: ToDate, ToJdn and Follows; the driver
// (whole_range_walk.h) splits the range into chunks and runs them on every
// hardware thread.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/date_records.h"
#include "core/iso_week.h"
#include "core/leap_week.h"
#include "libs/roroviri/roroviri.h"
#include "tests/long/whole_range_walk.h"

namespace {

using whole_range::CheckWholeRange;
using whole_range::FollowsInMonths;
using whole_range::FollowsInWeeks;

bool IsGregorianLeap(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int64_t year, int32_t month, bool julian) {
    static constexpr int kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = julian ? year % 4 == 0 : IsGregorianLeap(year);
    return kLengths[month] + (month == 2 && leap ? 1 : 0);
}

// Gregorian ('G') or Julian ('J') dates through the calendar library.
template <char kMarker>
struct EuroDates {
    using Date = CalDate;
    static void ToDate(int32_t jdn, Date& date) {
        date.marker = kMarker;
        date.jdn = jdn;
        jdn_to_euro_date(&date);
    }
    static int64_t ToJdn(Date& date) { return euro_date_to_jdn(&date); }
    static bool Follows(const Date& before, const Date& after) {
        return FollowsInMonths(
            before.year, before.month, before.day, after.year, after.month, after.day, 12,
            [&] { return MonthLength(before.year, before.month, kMarker == 'J'); });
    }
};

struct IsoWeekDates {
    using Date = tembrel::ISOWeekDate;
    static void ToDate(int32_t jdn, Date& date) {
        date.jdn = jdn;
        tembrel::JDNToISOWeekDate(date);
    }
    static int64_t ToJdn(Date& date) {
        date.jdn = 0;
        tembrel::ISOWeekDateToJDN(date);
        return date.jdn;
    }
    static bool Follows(const Date& before, const Date& after) {
        return FollowsInWeeks(before.year, before.week, before.weekday, after.year, after.week,
                              after.weekday,
                              [&] { return tembrel::ISOYearHas53Weeks(before.year) ? 53 : 52; });
    }
};

struct LeapWeekWeekDates {
    using Date = tembrel::LeapWeekDate;
    static void ToDate(int32_t jdn, Date& date) {
        date.jdn = jdn;
        tembrel::JDNToLPW(date);
    }
    static int64_t ToJdn(Date& date) {
        date.jdn = 0;
        return tembrel::LPWToJDN(date) ? date.jdn : int64_t{kRoroviriNoJdn};
    }
    static bool Follows(const Date& before, const Date& after) {
        return after.status == tembrel::kLeapWeekValid &&
               FollowsInWeeks(
                   before.year, before.week, before.weekday, after.year, after.week, after.weekday,
                   [&] {
                       return tembrel::WeeksInLeapWeekYear(tembrel::IsLeapWeekYear(before.year));
                   });
    }
};

struct LeapWeekMonthDates {
    using Date = tembrel::LeapWeekDate;
    static void ToDate(int32_t jdn, Date& date) {
        date.jdn = jdn;
        tembrel::JDNToLPM(date);
    }
    static int64_t ToJdn(Date& date) {
        date.jdn = 0;
        date.week = 0;
        date.weekday = 0;
        return tembrel::LPMToJDN(date) ? date.jdn : int64_t{kRoroviriNoJdn};
    }
    static bool Follows(const Date& before, const Date& after) {
        return after.status == tembrel::kLeapWeekValid &&
               FollowsInMonths(before.year, before.month, before.day, after.year, after.month,
                               after.day, 12, [&] {
                                   return 7 *
                                          tembrel::WeeksInLeapWeekMonth(
                                              before.month, tembrel::IsLeapWeekYear(before.year));
                               });
    }
};

TEST(WholeRange, CommonEraDates) {
    CheckWholeRange<EuroDates<'G'>>("CE");
}

TEST(WholeRange, JulianCalendarDates) {
    CheckWholeRange<EuroDates<'J'>>("JC");
}

TEST(WholeRange, IsoWeekDates) {
    CheckWholeRange<IsoWeekDates>("ISO");
}

TEST(WholeRange, LeapWeekDatesInWeekForm) {
    CheckWholeRange<LeapWeekWeekDates>("LPW");
}

TEST(WholeRange, LeapWeekDatesInMonthForm) {
    CheckWholeRange<LeapWeekMonthDates>("LPM");
}

}  // namespace
