// The program's working days without a choice of the user (Saturday and
// Sunday off, no holidays), as every count of the engine takes them: the
// examples of the manual, the range limits, and the day-by-day definition.
#include <gtest/gtest.h>

#include <random>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "holidays/working_day_rules.h"
#include "holidays/working_days.h"

namespace tembrel::holidays {
namespace {

struct DayCountOptions {
    bool includeWeekends = true;
    bool includeFirstDate = false;
};

const WorkCalendar& Default() {
    return *DefaultWorkingDays().calendar;
}

CountOptions Rules(DayCountOptions options) {
    return {!options.includeWeekends, options.includeFirstDate};
}

std::optional<int32_t> CountDaysBetween(int32_t first, int32_t second, DayCountOptions options) {
    return holidays::CountDaysBetween(Default(), first, second, Rules(options));
}

std::optional<int32_t> SecondDateFrom(int32_t first, int32_t days, DayCountOptions options) {
    return holidays::SecondDateFrom(Default(), first, days, Rules(options));
}

std::optional<int32_t> FirstDateFrom(int32_t second, int32_t days, DayCountOptions options) {
    return holidays::FirstDateFrom(Default(), second, days, Rules(options));
}

constexpr int32_t kFriday20080104 = 2454470;
constexpr int32_t kSaturday20080105 = kFriday20080104 + 1;
constexpr int32_t kMonday20080107 = kFriday20080104 + 3;

DayCountOptions Options(bool weekends, bool first) {
    return DayCountOptions{weekends, first};
}

// The count by definition, one day at a time: the counted days after the
// earlier date up to and including the later one, signed, and the first date
// itself when it is counted.
int64_t BruteCount(int32_t first, int32_t second, DayCountOptions options) {
    const int32_t from = std::min(first, second);
    const int32_t to = std::max(first, second);
    int64_t count = 0;
    for (int32_t day = from + 1; day <= to; ++day) {
        count += (options.includeWeekends || IsWorkday(day)) ? 1 : 0;
    }
    if (second < first) {
        count = -count;
    }
    if (options.includeFirstDate && (options.includeWeekends || IsWorkday(first))) {
        count += count >= 0 ? 1 : -1;
    }
    return count;
}

// The days a step from `from` to `to` passed, one at a time: those after `from` up
// to and including `to` going forwards, those from `to` up to but excluding `from`
// going back.
int64_t CountedDaysPassed(int32_t from, int32_t to, DayCountOptions options) {
    int64_t count = 0;
    const int32_t low = from < to ? from + 1 : to;
    const int32_t high = from < to ? to : from - 1;
    for (int32_t day = low; day <= high; ++day) {
        count += (options.includeWeekends || IsWorkday(day)) ? 1 : 0;
    }
    return count;
}

TEST(DefaultWeekCount, WorkingDayExamples) {
    const DayCountOptions workdays = Options(false, false);
    const DayCountOptions workdaysAndFirst = Options(false, true);
    EXPECT_EQ(CountDaysBetween(kFriday20080104, kMonday20080107, workdays), 1);
    EXPECT_EQ(CountDaysBetween(kFriday20080104, kMonday20080107, workdaysAndFirst), 2);
    EXPECT_EQ(CountDaysBetween(kMonday20080107, kMonday20080107 + 4, workdays), 4);
    EXPECT_EQ(CountDaysBetween(kMonday20080107, kMonday20080107 + 4, workdaysAndFirst), 5);
    EXPECT_EQ(CountDaysBetween(kSaturday20080105, kSaturday20080105, workdaysAndFirst), 0);
    EXPECT_EQ(CountDaysBetween(kFriday20080104, kFriday20080104, workdaysAndFirst), 1);
    EXPECT_EQ(CountDaysBetween(kMonday20080107, kFriday20080104, workdaysAndFirst), -2)
        << "going back, a counted first date adds a day in the negative direction";
    EXPECT_EQ(CountDaysBetween(kMonday20080107 + 10, kMonday20080107, Options(true, false)), -10);
}

TEST(DefaultWeekCount, ExtremeDatesOverflowOrStayExact) {
    EXPECT_FALSE(CountDaysBetween(kMinJDN, kMaxJDN, Options(true, false)).has_value());
    EXPECT_FALSE(CountDaysBetween(kMaxJDN, kMinJDN, Options(false, true)).has_value());
    // The whole-week arithmetic of a large range that fits is exact:
    const std::optional<int32_t> range =
        CountDaysBetween(-1000000000, 1000000000, Options(false, false));
    ASSERT_TRUE(range.has_value());
    EXPECT_NEAR(*range, 2000000000.0 * 5 / 7, 2);
}

TEST(DefaultWeekDates, WorkingDayExamples) {
    const DayCountOptions workdays = Options(false, false);
    EXPECT_EQ(SecondDateFrom(kFriday20080104, 1, workdays), kMonday20080107);
    EXPECT_EQ(SecondDateFrom(kFriday20080104, 5, workdays), kFriday20080104 + 7);
    EXPECT_EQ(SecondDateFrom(kFriday20080104, 1, Options(false, true)), kFriday20080104)
        << "the first date is the one day counted";
    EXPECT_EQ(SecondDateFrom(kSaturday20080105, 5, workdays), kSaturday20080105 + 7)
        << "a Saturday start is not moved to a working day";
    EXPECT_EQ(FirstDateFrom(kSaturday20080105 + 7, 5, workdays), kFriday20080104)
        << "a Saturday second date is moved back to Friday first";
    EXPECT_EQ(SecondDateFrom(kMonday20080107, -1, workdays), kFriday20080104);
    // Going back from a weekend, the first date is not moved first either.
    EXPECT_EQ(SecondDateFrom(kSaturday20080105, -1, workdays), kFriday20080104);
    EXPECT_EQ(SecondDateFrom(kSaturday20080105 + 1, -1, workdays), kFriday20080104);
    EXPECT_EQ(SecondDateFrom(kSaturday20080105, -5, workdays), kSaturday20080105 - 7)
        << "whole weeks that use up the count keep the weekday";
    EXPECT_EQ(SecondDateFrom(kSaturday20080105, -6, workdays), kFriday20080104 - 7);
    EXPECT_EQ(SecondDateFrom(kSaturday20080105, -1, Options(false, true)), kFriday20080104)
        << "a first date on a weekend is not one of the days counted";
}

TEST(DefaultWeekDates, WeekendsCounted) {
    const int32_t jan15 = 2454481;
    EXPECT_EQ(SecondDateFrom(jan15, 10, Options(true, true)), jan15 + 9);
    EXPECT_EQ(SecondDateFrom(jan15, 10, Options(true, false)), jan15 + 10);
    EXPECT_EQ(FirstDateFrom(jan15, -10, Options(true, false)), jan15 + 10);
    EXPECT_EQ(FirstDateFrom(jan15, 10, Options(true, true)), jan15 - 9);
    for (bool weekends : {false, true}) {
        for (bool first : {false, true}) {
            EXPECT_EQ(SecondDateFrom(kSaturday20080105, 0, Options(weekends, first)),
                      kSaturday20080105);
            EXPECT_EQ(FirstDateFrom(kSaturday20080105, 0, Options(weekends, first)),
                      kSaturday20080105);
        }
    }
}

TEST(DefaultWeekDates, ResultsBeyondTheRange) {
    EXPECT_FALSE(SecondDateFrom(kMaxJDN - 1, 2, Options(true, false)).has_value());
    EXPECT_EQ(SecondDateFrom(kMaxJDN - 1, 1, Options(true, false)), kMaxJDN);
    EXPECT_FALSE(FirstDateFrom(kMinJDN, 1, Options(true, false)).has_value());
    EXPECT_FALSE(SecondDateFrom(kMaxJDN, 2100000000, Options(false, false)).has_value());
    EXPECT_FALSE(FirstDateFrom(kMinJDN, 2100000000, Options(false, true)).has_value());
    EXPECT_FALSE(SecondDateFrom(kMinJDN, -2100000000, Options(true, true)).has_value());
}

// Every option, both directions: the fast count equals the day-by-day count, and
// a date computed from a difference lies exactly that difference away.
TEST(DefaultWeekProperty, AgreesWithTheDayByDayCount) {
    std::mt19937 random(4);
    std::uniform_int_distribution<int32_t> anyStart(2454000, 2454000 + 3000);
    std::uniform_int_distribution<int32_t> anyDifference(-60, 60);
    for (int i = 0; i < 20000; ++i) {
        const int32_t start = anyStart(random);
        const int32_t difference = anyDifference(random);
        for (bool weekends : {false, true}) {
            for (bool first : {false, true}) {
                const DayCountOptions options = Options(weekends, first);
                const int32_t other = start + difference;
                ASSERT_EQ(CountDaysBetween(start, other, options),
                          BruteCount(start, other, options))
                    << start << " " << other << " " << weekends << first;
                if (difference == 0) {
                    continue;
                }
                const int32_t second = *SecondDateFrom(start, difference, options);
                const int32_t firstDate = *FirstDateFrom(start, difference, options);
                ASSERT_EQ(CountedDaysPassed(start, second, options),
                          std::abs(difference) - (first && (weekends || IsWorkday(start)) ? 1 : 0))
                    << "second from " << start << " " << difference << " " << weekends << first
                    << " gave " << second;
                if (!IsWorkday(start) && !weekends) {
                    continue;  // the count after a weekend date need not invert the step
                }
                // With the first date counted, a difference of one day can give the
                // date itself, whose count is +1 whichever way the difference went.
                const auto matches = [&](int64_t count) {
                    return count == difference ||
                           (std::abs(difference) == 1 && count == 1 && first);
                };
                ASSERT_TRUE(matches(BruteCount(start, second, options)))
                    << "second from " << start << " " << difference << " " << weekends << first
                    << " gave " << second;
                ASSERT_TRUE(matches(BruteCount(firstDate, start, options)))
                    << "first from " << start << " " << difference << " " << weekends << first
                    << " gave " << firstDate;
            }
        }
    }
}

}  // namespace
}  // namespace tembrel::holidays
