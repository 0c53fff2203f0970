// The long check of the working-day tables: every year of the accepted range,
// its working days summed from its own holidays, against the tables' count at
// the end of every century. Minutes, not seconds: labelled "long".
#include <gtest/gtest.h>

#include <thread>

#include "core/calendar_tables.h"
#include "holidays/work_calendar.h"
#include "tests/holidays/test_calendars.h"

namespace tembrel::holidays {
namespace {

using test_support::BruteForceCalendar;

// Checks the years first..last of one calendar; returns the first wrong
// century's last year, or 0.
int64_t CheckYears(const test_support::NamedInputs& named, int64_t firstYear, int64_t lastYear) {
    BruteForceCalendar brute(named.inputs);
    const auto& inputs = named.inputs;
    const WorkCalendar fast(inputs.weekend, inputs.regions, inputs.holidays, inputs.workdays);
    const int64_t start = GregorianDay(firstYear, 1, 1) - 1;
    int64_t expected = 0;
    for (int64_t year = firstYear; year <= lastYear; ++year) {
        expected += brute.WorkingDaysOfYear(year);
        if (FloorMod(year, 100) == 99 || year == lastYear) {
            if (fast.CountWorkingDays(start, GregorianDay(year + 1, 1, 1) - 1) != expected) {
                return year;
            }
        }
    }
    return 0;
}

TEST(WorkingDayTablesWholeRange, EveryCenturyAgreesWithItsYears) {
    const int64_t firstYear = GregorianDateOf(kMinJDN).year;
    const int64_t lastYear = GregorianDateOf(kMaxJDN).year;
    for (const test_support::NamedInputs& named : test_support::TestCalendars()) {
        if (named.name != "DE_BY" && named.name != "GB_and_US_Friday_Saturday_off") {
            continue;
        }
        // Two halves on two threads, each with its own calendars.
        int64_t wrongLow = 0;
        int64_t wrongHigh = 0;
        std::thread low([&] { wrongLow = CheckYears(named, firstYear, -1); });
        wrongHigh = CheckYears(named, 0, lastYear);
        low.join();
        EXPECT_EQ(wrongLow, 0) << named.name;
        EXPECT_EQ(wrongHigh, 0) << named.name;
    }
}

}  // namespace
}  // namespace tembrel::holidays
