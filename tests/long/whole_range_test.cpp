// Every day number from -2100000000 to 2100000000, in every notation: the date of
// the day converts back to the same day number, and the date of each day follows
// the date of the day before (the next day of the month, or the first day of the
// next month or year right after the last day of the month or year).
//
// Each notation is one small struct: ToDate, ToJdn and Follows. The driver splits
// the range into chunks and runs them on every hardware thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include "core/date_records.h"
#include "core/iso_week.h"
#include "core/leap_week.h"
#include "libs/roroviri/roroviri.h"

namespace {

constexpr int32_t kFirstJdn = -2100000000;
constexpr int32_t kLastJdn = 2100000000;
constexpr int64_t kChunkDays = int64_t{1} << 22;

bool IsGregorianLeap(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int64_t year, int32_t month, bool julian) {
    static constexpr int kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = julian ? year % 4 == 0 : IsGregorianLeap(year);
    return kLengths[month] + (month == 2 && leap ? 1 : 0);
}

// Returns true when `after` is the day after `before` in a calendar of years,
// months (1..monthsInYear) and days; lastDayOfMonth() gives the length of the
// month `before` is in and is asked only near a month's end.
template <typename LastDayOfMonth>
bool FollowsInMonths(int64_t beforeYear, int beforeMonth, int beforeDay, int64_t afterYear,
                     int afterMonth, int afterDay, int monthsInYear,
                     LastDayOfMonth lastDayOfMonth) {
    if (afterDay == beforeDay + 1) {
        return afterYear == beforeYear && afterMonth == beforeMonth &&
               (beforeDay < 28 || afterDay <= lastDayOfMonth());
    }
    if (afterDay != 1 || beforeDay != lastDayOfMonth()) {
        return false;
    }
    if (beforeMonth < monthsInYear) {
        return afterYear == beforeYear && afterMonth == beforeMonth + 1;
    }
    return afterYear == beforeYear + 1 && afterMonth == 1;
}

// The same for years of weeks and weekdays 1..7; weeksInYear() gives the
// number of weeks of the year `before` is in and is asked only at a year's end.
template <typename WeeksInYear>
bool FollowsInWeeks(int64_t beforeYear, int beforeWeek, int beforeWeekday, int64_t afterYear,
                    int afterWeek, int afterWeekday, WeeksInYear weeksInYear) {
    if (afterWeekday == beforeWeekday + 1) {
        return afterYear == beforeYear && afterWeek == beforeWeek;
    }
    if (beforeWeekday != 7 || afterWeekday != 1) {
        return false;
    }
    if (afterYear == beforeYear) {
        return afterWeek == beforeWeek + 1 && (beforeWeek < 52 || afterWeek <= weeksInYear());
    }
    return afterYear == beforeYear + 1 && afterWeek == 1 && beforeWeek == weeksInYear();
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
    static void ToDate(int32_t jdn, Date& date) { date = tembrel::ISOWeekDateOf(jdn); }
    static int64_t ToJdn(Date& date) {
        return tembrel::JDNOfISOWeekDate(date).value_or(kRoroviriNoJdn);
    }
    static bool Follows(const Date& before, const Date& after) {
        return FollowsInWeeks(before.year, before.week, before.weekday, after.year, after.week,
                              after.weekday,
                              [&] { return tembrel::ISOYearHas53Weeks(before.year) ? 53 : 52; });
    }
};

struct LeapWeekWeekDates {
    using Date = tembrel::LeapWeekDate;
    static void ToDate(int32_t jdn, Date& date) { date = tembrel::LPWDateOf(jdn); }
    static int64_t ToJdn(Date& date) {
        const tembrel::ParsedDay day = tembrel::JDNOfLPWDate(date);
        return day.ok() ? day.jdn : int64_t{kRoroviriNoJdn};
    }
    static bool Follows(const Date& before, const Date& after) {
        return FollowsInWeeks(
            before.year, before.week, before.weekday, after.year, after.week, after.weekday,
            [&] { return tembrel::WeeksInLeapWeekYear(tembrel::IsLeapWeekYear(before.year)); });
    }
};

struct LeapWeekMonthDates {
    using Date = tembrel::LeapWeekDate;
    static void ToDate(int32_t jdn, Date& date) { date = tembrel::LPMDateOf(jdn); }
    static int64_t ToJdn(Date& date) {
        const tembrel::ParsedDay day = tembrel::JDNOfLPMDate(date);
        return day.ok() ? day.jdn : int64_t{kRoroviriNoJdn};
    }
    static bool Follows(const Date& before, const Date& after) {
        return FollowsInMonths(
            before.year, before.month, before.day, after.year, after.month, after.day, 12, [&] {
                return 7 * tembrel::WeeksInLeapWeekMonth(before.month,
                                                         tembrel::IsLeapWeekYear(before.year));
            });
    }
};

struct Failures {
    int64_t count = 0;
    int64_t firstJdn = std::numeric_limits<int64_t>::max();
};

// Checks the days first..last of one notation. The records of a day and the day
// before take turns in two slots and are converted in place: copying a record
// just written field by field stalls the processor and would double the time.
template <typename Notation>
Failures CheckChunk(int64_t first, int64_t last) {
    Failures failures;
    typename Notation::Date dates[2]{};
    Notation::ToDate(static_cast<int32_t>(first - 1), dates[1]);
    for (int64_t jdn = first; jdn <= last; ++jdn) {
        const auto slot = static_cast<size_t>(jdn - first) & 1;
        typename Notation::Date& date = dates[slot];
        const typename Notation::Date& previous = dates[slot ^ 1];
        Notation::ToDate(static_cast<int32_t>(jdn), date);
        const bool follows = Notation::Follows(previous, date);
        if (!follows || Notation::ToJdn(date) != jdn) {
            ++failures.count;
            failures.firstJdn = std::min(failures.firstJdn, jdn);
        }
    }
    return failures;
}

// Runs the check of one notation over the whole range on every hardware thread,
// prints the time taken and expects no failure.
template <typename Notation>
void CheckWholeRange(const char* notation) {
    const unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
    const int64_t chunkCount = (int64_t{kLastJdn} - kFirstJdn) / kChunkDays + 1;
    std::atomic<int64_t> nextChunk{0};
    std::mutex mutex;
    Failures total;
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < threadCount; ++t) {
        threads.emplace_back([&] {
            for (int64_t chunk = nextChunk++; chunk < chunkCount; chunk = nextChunk++) {
                const int64_t first = kFirstJdn + chunk * kChunkDays;
                const int64_t last = std::min<int64_t>(first + kChunkDays - 1, kLastJdn);
                const Failures failures = CheckChunk<Notation>(first, last);
                const std::lock_guard<std::mutex> lock(mutex);
                total.count += failures.count;
                total.firstJdn = std::min(total.firstJdn, failures.firstJdn);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%-4s %lld days checked in %.1f s on %u threads\n", notation,
                static_cast<long long>(int64_t{kLastJdn} - kFirstJdn + 1), seconds.count(),
                threadCount);
    std::fflush(stdout);
    EXPECT_EQ(total.count, 0) << notation << ": first failing day number " << total.firstJdn;
}

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
