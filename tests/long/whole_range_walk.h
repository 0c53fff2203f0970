// The driver of the exhaustive checks: walks a span of day numbers on every
// hardware thread and checks that each day's date converts back to the day and
// follows the date of the day before.
//
// A notation is one small struct: a type Date, ToDate(jdn, date), ToJdn(date)
// returning the day number (any other value for a failure) and
// Follows(before, after). The helpers FollowsInMonths and FollowsInWeeks say
// whether one date is the day after another in calendars of months or weeks.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace whole_range {

inline constexpr int32_t kFirstJdn = -2100000000;
inline constexpr int32_t kLastJdn = 2100000000;
inline constexpr int64_t kChunkDays = int64_t{1} << 22;

// Returns true when `after` is the day after `before` in a calendar of years,
// months (1..monthsInYear) and days; lastDayOfMonth() gives the length of the
// month `before` is in and is asked only near a month's end.
template <typename LastDayOfMonth>
inline bool FollowsInMonths(int64_t beforeYear, int beforeMonth, int beforeDay, int64_t afterYear,
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
inline bool FollowsInWeeks(int64_t beforeYear, int beforeWeek, int beforeWeekday, int64_t afterYear,
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

struct Failures {
    int64_t count = 0;
    int64_t firstJdn = std::numeric_limits<int64_t>::max();
};

// Checks the days first..last of one notation; the first day is compared with
// the day before only when `firstFollowsDayBefore`. The records of a day and the
// day before take turns in two slots and are converted in place: copying a
// record just written field by field stalls the processor and would double the
// time.
template <typename Notation>
Failures CheckChunk(int64_t first, int64_t last, bool firstFollowsDayBefore) {
    Failures failures;
    typename Notation::Date dates[2]{};
    Notation::ToDate(static_cast<int32_t>(first - 1), dates[1]);
    for (int64_t jdn = first; jdn <= last; ++jdn) {
        const auto slot = static_cast<size_t>(jdn - first) & 1;
        typename Notation::Date& date = dates[slot];
        const typename Notation::Date& previous = dates[slot ^ 1];
        Notation::ToDate(static_cast<int32_t>(jdn), date);
        // Follows first: the way back may rewrite fields of the record.
        const bool follows =
            (jdn == first && !firstFollowsDayBefore) || Notation::Follows(previous, date);
        if (!follows || Notation::ToJdn(date) != jdn) {
            ++failures.count;
            failures.firstJdn = std::min(failures.firstJdn, jdn);
        }
    }
    return failures;
}

// Runs the check of one notation over the days first..last (the whole range
// unless given) on every hardware thread, prints the time taken and expects no
// failure.
template <typename Notation>
void CheckWholeRange(const char* notation, int64_t firstJdn = kFirstJdn,
                     int64_t lastJdn = kLastJdn) {
    const unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
    const int64_t chunkCount = (lastJdn - firstJdn) / kChunkDays + 1;
    std::atomic<int64_t> nextChunk{0};
    std::mutex mutex;
    Failures total;
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < threadCount; ++t) {
        threads.emplace_back([&] {
            for (int64_t chunk = nextChunk++; chunk < chunkCount; chunk = nextChunk++) {
                const int64_t first = firstJdn + chunk * kChunkDays;
                const int64_t last = std::min<int64_t>(first + kChunkDays - 1, lastJdn);
                // The day before a notation's own range has no date to follow.
                const Failures failures =
                    CheckChunk<Notation>(first, last, first != firstJdn || firstJdn == kFirstJdn);
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
                static_cast<long long>(lastJdn - firstJdn + 1), seconds.count(), threadCount);
    std::fflush(stdout);
    EXPECT_EQ(total.count, 0) << notation << ": first failing day number " << total.firstJdn;
}

}  // namespace whole_range
