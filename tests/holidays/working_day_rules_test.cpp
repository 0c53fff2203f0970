#include "holidays/working_day_rules.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "core/calendar_tables.h"
#include "tests/holidays/test_calendars.h"

namespace tembrel::holidays {
namespace {

using test_support::BruteForceCalendar;

constexpr int32_t kFriday20080104 = 2454470;
constexpr int32_t kSaturday20080105 = kFriday20080104 + 1;

// The program's written rules for Monday to Friday, transcribed step by step
// (day numbers in 64 bits; out of range when the result leaves the range).
namespace written {

bool IsWorkday(int64_t jdn) {
    const int weekday = WeekdayOf(jdn);
    return weekday >= 1 && weekday <= 5;
}

std::optional<int32_t> Result(int64_t jdn) {
    return IsJDNInRange(jdn) ? std::optional<int32_t>(static_cast<int32_t>(jdn)) : std::nullopt;
}

std::optional<int32_t> DaysBetween(int64_t j1, int64_t j2, bool weekends, bool first) {
    int64_t d = j2 - j1;
    if (d < INT32_MIN || d > INT32_MAX) {
        return std::nullopt;
    }
    if (!weekends) {
        const int64_t w = std::llabs(d) / 7;
        if (d > 0) {
            d -= 2 * w;
            for (int64_t i = j1 + 1; i <= j2 - 7 * w; ++i) {
                d -= IsWorkday(i) ? 0 : 1;
            }
        } else {
            d += 2 * w;
            for (int64_t i = j2 + 1; i <= j1 - 7 * w; ++i) {
                d += IsWorkday(i) ? 0 : 1;
            }
        }
    }
    if (first && (weekends || IsWorkday(j1))) {
        d += d >= 0 ? 1 : -1;
    }
    return static_cast<int32_t>(d);
}

std::optional<int32_t> SecondDate(int64_t j1, int64_t d, bool weekends, bool first) {
    if (d == 0) {
        return Result(j1);
    }
    if (weekends) {
        return Result(j1 + d - (first ? (d > 0 ? 1 : -1) : 0));
    }
    int64_t b = std::llabs(d);
    if (first && IsWorkday(j1)) {
        --b;
    }
    const int64_t e = b / 5;
    int64_t r = b - 5 * e;
    int64_t n = j1;
    const int step = d > 0 ? 1 : -1;
    while (r >= 1) {
        n += step;
        r -= IsWorkday(n) ? 1 : 0;
    }
    return Result(n + step * 7 * e);
}

std::optional<int32_t> FirstDate(int64_t j2, int64_t d, bool weekends, bool first) {
    if (d == 0) {
        return Result(j2);
    }
    if (weekends) {
        return Result(j2 - d + (first ? (d > 0 ? 1 : -1) : 0));
    }
    int64_t n = j2;
    while (!IsWorkday(n)) {
        --n;
    }
    const int64_t b = std::llabs(d);
    const int64_t e = b / 5;
    int64_t r = b - 5 * e;
    const int step = d > 0 ? -1 : 1;
    while (r >= 1) {
        n += step;
        r -= IsWorkday(n) ? 1 : 0;
    }
    int64_t j1 = n + step * 7 * e;
    if (first) {
        do {
            j1 -= step;
        } while (!IsWorkday(j1));
    }
    return Result(j1);
}

}  // namespace written

// The same rules generalised to any work calendar as the header describes them,
// with every step taken one day at a time. Walks give up after `kWalk` days
// (a week without working days), which the callers skip.
namespace generalised {

constexpr int64_t kWalk = 20000;

// The nth working day from `from` in `direction`, walking.
std::optional<int64_t> Walk(BruteForceCalendar& calendar, int64_t from, int64_t n, int direction) {
    int64_t day = from;
    for (int64_t walked = 0; n > 0; --n) {
        do {
            day += direction;
            if (++walked > kWalk) {
                return std::nullopt;
            }
        } while (!calendar.IsWorkingDay(day));
    }
    return day;
}

std::optional<int64_t> Step(BruteForceCalendar& calendar, int64_t start, int64_t count,
                            int direction) {
    const int64_t perWeek = calendar.inputs().weekend.WorkingDaysPerWeek();
    const int64_t weeks = perWeek > 0 ? count / perWeek : 0;
    const int64_t jumped = start + direction * 7 * weeks;
    int64_t rest = count;
    for (int64_t day = start + direction; day != jumped + direction; day += direction) {
        rest -= calendar.IsWorkingDay(day) ? 1 : 0;
    }
    if (rest == 0) {
        return jumped;
    }
    return rest > 0 ? Walk(calendar, jumped, rest, direction)
                    : Walk(calendar, start, count, direction);
}

std::optional<int64_t> SecondDate(BruteForceCalendar& calendar, int64_t j1, int64_t d, bool first) {
    int64_t b = std::llabs(d);
    if (first && calendar.IsWorkingDay(j1)) {
        --b;
    }
    return Step(calendar, j1, b, d > 0 ? 1 : -1);
}

std::optional<int64_t> FirstDate(BruteForceCalendar& calendar, int64_t j2, int64_t d, bool first) {
    std::optional<int64_t> n =
        calendar.IsWorkingDay(j2) ? std::optional<int64_t>(j2) : Walk(calendar, j2, 1, -1);
    if (!n) {
        return std::nullopt;
    }
    std::optional<int64_t> j1 = Step(calendar, *n, std::llabs(d), d > 0 ? -1 : 1);
    if (j1 && first) {
        j1 = Walk(calendar, *j1, 1, d > 0 ? 1 : -1);
    }
    return j1;
}

}  // namespace generalised

// With the weekend Saturday and Sunday and no holidays the work calendar's
// rules are exactly the program's written ones, in both directions and with
// every option, also where the result leaves the range.
TEST(WorkingDayRules, TheDefaultCalendarFollowsTheWrittenRules) {
    const WorkCalendar calendar;
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int32_t> nearDay(kFriday20080104 - 30, kFriday20080104 + 30);
    std::uniform_int_distribution<int32_t> smallCount(-60, 60);
    std::uniform_int_distribution<int32_t> anyCount(-kMaxJDN, kMaxJDN);
    std::uniform_int_distribution<int32_t> nearEnd(0, 20);
    for (int i = 0; i < 30000; ++i) {
        int32_t day = nearDay(random);
        int32_t count = smallCount(random);
        if (i % 4 == 1) {
            count = anyCount(random);
        } else if (i % 4 == 2) {
            day = i % 8 == 2 ? kMaxJDN - nearEnd(random) : kMinJDN + nearEnd(random);
        }
        for (const bool weekends : {false, true}) {
            for (const bool first : {false, true}) {
                const CountOptions options{!weekends, first};
                ASSERT_EQ(SecondDateFrom(calendar, day, count, options),
                          written::SecondDate(day, count, weekends, first))
                    << day << " + " << count << " " << weekends << first;
                ASSERT_EQ(FirstDateFrom(calendar, day, count, options),
                          written::FirstDate(day, count, weekends, first))
                    << day << " - " << count << " " << weekends << first;
                if (std::llabs(int64_t{count}) < 1000) {
                    const int32_t other = day + count;
                    ASSERT_EQ(CountDaysBetween(calendar, day, other, options),
                              written::DaysBetween(day, other, weekends, first))
                        << day << " .. " << other << " " << weekends << first;
                }
            }
        }
    }
}

TEST(WorkingDayRules, ExamplesFromSaturday5January2008) {
    const WorkCalendar calendar;
    const CountOptions workingDays{true, false};
    EXPECT_EQ(SecondDateFrom(calendar, kSaturday20080105, -1, workingDays), kFriday20080104);
    EXPECT_EQ(SecondDateFrom(calendar, kSaturday20080105, -5, workingDays), kSaturday20080105 - 7);
    EXPECT_EQ(SecondDateFrom(calendar, kSaturday20080105, 5, workingDays), kSaturday20080105 + 7);
    EXPECT_EQ(SecondDateFrom(calendar, kSaturday20080105, 1, workingDays), kFriday20080104 + 3);
    EXPECT_EQ(FirstDateFrom(calendar, kSaturday20080105 + 7, 5, workingDays), kFriday20080104)
        << "a Saturday second date moves back to Friday first";
    EXPECT_EQ(SecondDateFrom(calendar, kFriday20080104, 1, CountOptions{true, true}),
              kFriday20080104)
        << "the first date is the one day counted";
    EXPECT_EQ(CountDaysBetween(calendar, kSaturday20080105, kSaturday20080105, {true, true}), 0);
    EXPECT_EQ(CountDaysBetween(calendar, kFriday20080104, kFriday20080104, {true, true}), 1);
}

// On calendars with holidays, other weekends and extra working days, the fast
// rules equal the generalised rules stepped day by day.
TEST(WorkingDayRules, EveryCalendarFollowsTheGeneralisedRules) {
    for (const test_support::NamedInputs& named : test_support::TestCalendars()) {
        if (named.name == "unusual_rules_Sunday_off") {
            continue;  // its tables take seconds to build; the shipped regions suffice here
        }
        const auto& inputs = named.inputs;
        const WorkCalendar calendar(inputs.weekend, inputs.regions, inputs.holidays,
                                    inputs.workdays);
        BruteForceCalendar brute(inputs);
        std::mt19937_64 random(9);
        std::uniform_int_distribution<int32_t> anyDay(2447893, 2462867);  // 1990 .. 2030
        std::uniform_int_distribution<int32_t> anyCount(-120, 120);
        for (int i = 0; i < 1500; ++i) {
            const int32_t day = anyDay(random);
            const int32_t count = anyCount(random);
            if (count == 0) {
                continue;
            }
            for (const bool first : {false, true}) {
                const CountOptions options{true, first};
                if (const std::optional<int64_t> expected =
                        generalised::SecondDate(brute, day, count, first)) {
                    ASSERT_EQ(SecondDateFrom(calendar, day, count, options), expected)
                        << named.name << " " << day << " + " << count << " " << first;
                }
                if (const std::optional<int64_t> expected =
                        generalised::FirstDate(brute, day, count, first)) {
                    ASSERT_EQ(FirstDateFrom(calendar, day, count, options), expected)
                        << named.name << " " << day << " - " << count << " " << first;
                }
                const int64_t between = brute.Count(day, day + count) +
                                        (first && brute.IsWorkingDay(day)
                                             ? (brute.Count(day, day + count) >= 0 ? 1 : -1)
                                             : 0);
                ASSERT_EQ(CountDaysBetween(calendar, day, day + count, options), between)
                    << named.name << " " << day << " .. " << day + count << " " << first;
            }
        }
    }
}

TEST(WorkingDayRules, ResultsBeyondTheRangeAreOutOfRange) {
    const WorkCalendar calendar;
    const CountOptions workingDays{true, false};
    EXPECT_FALSE(CountDaysBetween(calendar, kMinJDN, kMaxJDN, workingDays).has_value());
    EXPECT_FALSE(SecondDateFrom(calendar, kMaxJDN - 10, 100, workingDays).has_value());
    EXPECT_FALSE(FirstDateFrom(calendar, kMinJDN + 10, 100, workingDays).has_value());
    EXPECT_FALSE(SecondDateFrom(calendar, kMinJDN, -1, workingDays).has_value());
    EXPECT_FALSE(SecondDateFrom(calendar, kMaxJDN, INT32_MAX, workingDays).has_value());
    EXPECT_FALSE(FirstDateFrom(calendar, kMaxJDN, INT32_MIN, CountOptions{true, true}).has_value());
    EXPECT_FALSE(
        SecondDateFrom(calendar, kMinJDN, INT32_MIN, CountOptions{false, true}).has_value());
    // 1,400,000,000 working days are 280,000,000 whole weeks.
    EXPECT_EQ(SecondDateFrom(calendar, kMinJDN, 1400000000, workingDays), kMinJDN + 7 * 280000000);
    const Weekend allWeek = *ParseWeekend("mon,tue,wed,thu,fri,sat,sun");
    const WorkCalendar noWorkingDay(allWeek, {}, {}, {});
    EXPECT_FALSE(SecondDateFrom(noWorkingDay, kFriday20080104, 3, workingDays).has_value());
    EXPECT_FALSE(FirstDateFrom(noWorkingDay, kFriday20080104, 3, workingDays).has_value());
    EXPECT_EQ(CountDaysBetween(noWorkingDay, kFriday20080104, kFriday20080104 + 100, workingDays),
              0);
}

}  // namespace
}  // namespace tembrel::holidays
