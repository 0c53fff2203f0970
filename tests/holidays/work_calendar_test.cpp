#include "holidays/work_calendar.h"

#include <gtest/gtest.h>

#include "core/calendar_tables.h"
#include "tests/holidays/test_calendars.h"

namespace tembrel::holidays {
namespace {

using test_support::BruteForceCalendar;
using test_support::NamedInputs;

class WorkCalendarExactness : public testing::TestWithParam<size_t> {
  protected:
    static void SetUpTestSuite() { calendars_ = test_support::TestCalendars(); }

    const NamedInputs& Inputs() const { return calendars_[GetParam()]; }
    WorkCalendar Fast() const {
        const auto& inputs = Inputs().inputs;
        return WorkCalendar(inputs.weekend, inputs.regions, inputs.holidays, inputs.workdays);
    }

    static inline std::vector<NamedInputs> calendars_;
};

// Days around the places where the tables change: both ends of the range, the
// years of the changes of law, and anywhere.
int64_t SomeDay(std::mt19937_64& random) {
    std::uniform_int_distribution<int> place(0, 4);
    std::uniform_int_distribution<int64_t> near(-3000, 3000);
    std::uniform_int_distribution<int64_t> anywhere(kMinJDN, kMaxJDN);
    switch (place(random)) {
        case 0:
            return kMinJDN + 3000 + near(random);
        case 1:
            return kMaxJDN - 3000 + near(random);
        case 2:
            return 2451545 + 20 * near(random);  // 1836 .. 2164
        case 3:
            return 1721426 + near(random);  // around year 1
        default:
            return anywhere(random);
    }
}

// One test per calendar, so that the tables are built once: the set-up with
// Orthodox rules takes a second or more.
TEST_P(WorkCalendarExactness, AgreesWithTheDayByDayDefinition) {
    BruteForceCalendar brute(Inputs().inputs);
    const WorkCalendar fast = Fast();
    std::mt19937_64 random(GetParam());

    // Counts and single days.
    std::uniform_int_distribution<int64_t> span(-2500, 2500);
    for (int i = 0; i < 200; ++i) {
        const int64_t from = SomeDay(random);
        const int64_t to = from + span(random);
        ASSERT_EQ(fast.CountWorkingDays(from, to), brute.Count(from, to)) << from << " " << to;
        ASSERT_EQ(fast.IsWorkingDay(to), brute.IsWorkingDay(to)) << to;
    }

    // Spans of thousands of years, where the tables add whole centuries, against
    // the sum of every year's working days computed from that year's holidays.
    for (const auto& [firstYear, lastYear] : {std::pair<int64_t, int64_t>{-2, 2600},
                                              {32900, 34100},
                                              {-5754000, -5752500},
                                              {5742000, 5743500}}) {
        int64_t expected = 0;
        for (int64_t year = firstYear; year <= lastYear; ++year) {
            expected += brute.WorkingDaysOfYear(year);
        }
        EXPECT_EQ(fast.CountWorkingDays(GregorianDay(firstYear, 1, 1) - 1,
                                        GregorianDay(lastYear + 1, 1, 1) - 1),
                  expected)
            << firstYear << ".." << lastYear;
    }

    // The nth working day before and after a day, against a walk of up to a few
    // hundred days (a week without working days may have none nearby).
    std::uniform_int_distribution<int64_t> anyCount(1, 40);
    for (int i = 0; i < 100; ++i) {
        const int64_t from = SomeDay(random);
        const int64_t n = anyCount(random);
        std::optional<int64_t> after;
        std::optional<int64_t> before;
        for (int64_t day = from + 1, left = n; day <= from + 500 && !after; ++day) {
            if (brute.IsWorkingDay(day) && --left == 0) {
                after = day;
            }
        }
        for (int64_t day = from - 1, left = n; day >= from - 500 && !before; --day) {
            if (brute.IsWorkingDay(day) && --left == 0) {
                before = day;
            }
        }
        if (after) {
            ASSERT_EQ(fast.NthWorkingDayAfter(from, n), after) << from << " +" << n;
        }
        if (before) {
            ASSERT_EQ(fast.NthWorkingDayBefore(from, n), before) << from << " -" << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Calendars, WorkCalendarExactness,
                         testing::Range<size_t>(0, test_support::TestCalendars().size()),
                         [](const testing::TestParamInfo<size_t>& param) {
                             return test_support::TestCalendars()[param.param].name;
                         });

}  // namespace
}  // namespace tembrel::holidays
