// The engine's working days: every count and step goes through the work
// calendar of the request with the request's options, the note names what
// was not counted, and the month grid marks the calendar's holidays.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "compute/compute.h"
#include "compute/month_grid.h"
#include "compute/working_days_note.h"
#include "core/calendar_binding.h"
#include "core/calendar_tables.h"
#include "holidays/holiday_data_file.h"
#include "holidays/working_day_rules.h"
#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using holidays::Weekend;
using holidays::WorkingDays;
using holidays::WorkingDaysChoice;

std::shared_ptr<const WorkingDays> Build(WorkingDaysChoice choice) {
    holidays::SetupError error;
    auto built = holidays::BuildWorkingDays(choice, TEMBREL_HOLIDAY_DATA_FILE, error);
    EXPECT_NE(built, nullptr) << holidays::DescribeSetupError(error,
                                                              holidays::NameLanguage::English);
    return built;
}

WorkingDaysChoice Choice(uint8_t weekendMask, std::vector<std::string> regions,
                         std::vector<std::string> holidayFiles = {},
                         std::vector<std::string> workdayFiles = {}) {
    return {Weekend::FromMask(weekendMask), std::move(regions), std::move(holidayFiles),
            std::move(workdayFiles)};
}

std::string Note(const WorkingDays& days, LanguageCode language) {
    std::string text;
    {
        TextAppender out(text);
        AppendWorkingDaysNote(out, days, language);
    }
    return text;
}

TEST(WorkingDaysNote, NamesTheWeekendTheHolidaysAndTheExtraDays) {
    const test_support::TempFolder folder;
    const std::string company = folder.Write("company.txt", "2024-12-24\n").string();
    const std::string saturdays = folder.Write("saturdays.txt", "2024-12-28\n").string();
    constexpr uint8_t kSatSun = 0x41;
    struct Case {
        WorkingDaysChoice choice;
        std::string english;
        std::string german;
    };
    const Case cases[] = {
        {Choice(kSatSun, {}), "not counting weekend days", "die Wochenendtage nicht gezählt"},
        {Choice(kSatSun, {"de-by"}), "not counting weekend days and holidays (DE-BY)",
         "die Wochenendtage und Feiertage (DE-BY) nicht gezählt"},
        {Choice(0x30, {}), "not counting weekend days (Thursday, Friday)",
         "die Wochenendtage (Donnerstag, Freitag) nicht gezählt"},
        {Choice(0x01, {}, {company}),
         "not counting weekend days (Sunday) and holidays (company.txt)",
         "die Wochenendtage (Sonntag) und Feiertage (company.txt) nicht gezählt"},
        {Choice(0, {}), "not counting weekend days (none)",
         "die Wochenendtage (keine) nicht gezählt"},
        {Choice(0, {"AT", "GB"}), "not counting holidays (AT, GB)",
         "die Feiertage (AT, GB) nicht gezählt"},
        {Choice(kSatSun, {"US"}, {}, {saturdays}),
         "not counting weekend days and holidays (US), counting extra working days "
         "(saturdays.txt)",
         "die Wochenendtage und Feiertage (US) nicht gezählt, zusätzliche Arbeitstage "
         "(saturdays.txt) gezählt"},
    };
    for (const Case& test : cases) {
        const auto days = Build(test.choice);
        ASSERT_NE(days, nullptr);
        EXPECT_EQ(Note(*days, LanguageCode::English), test.english);
        EXPECT_EQ(Note(*days, LanguageCode::German), test.german);
    }
    // The languages without words of their own take the English ones.
    EXPECT_EQ(Note(*Build(Choice(0, {})), LanguageCode::French),
              "not counting weekend days (none)");
}

// Formats a day number as the engine reads a Common Era date.
std::string DateText(int32_t jdn) {
    const CalDate date = CalDateOfJDN(jdn, kMarkerGregorian);
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

// Random counts and steps through Compute give exactly what the holidays
// library's rules give on the request's calendar, with its options and in
// both directions; with weekends counted the calendar plays no part.
TEST(ComputeWorkingDays, CountsAndStepsOnTheRequestsCalendar) {
    const auto bavaria = Build(Choice(0x60, {"DE-BY"}));  // Friday and Saturday off
    ASSERT_NE(bavaria, nullptr);
    const holidays::WorkCalendar& calendar = *bavaria->calendar;
    std::mt19937 random(14);
    std::uniform_int_distribution<int32_t> anyDay(2415021, 2488070);  // 1900..2099
    std::uniform_int_distribution<int32_t> anyDifference(-3000, 3000);
    ComputeResult result;
    for (int i = 0; i < 3000; ++i) {
        const int32_t a = anyDay(random);
        const int32_t b = anyDay(random);
        const int32_t d = anyDifference(random);
        const std::string first = DateText(a);
        const std::string second = DateText(b);
        const std::string difference = std::to_string(d);
        for (const bool weekends : {false, true}) {
            for (const bool includeFirst : {false, true}) {
                ComputeRequest request;
                request.workingDays = bavaria.get();
                request.countWeekends = weekends;
                request.includeFirstDate = includeFirst;
                request.lineEnd = "\n";
                const holidays::CountOptions options{!weekends, includeFirst};

                request.firstDate = first;
                request.secondDate = second;
                Compute(request, result);
                ASSERT_EQ(result.days, holidays::CountDaysBetween(calendar, a, b, options).value())
                    << first << " " << second;

                request.secondDate = "";
                request.difference = difference;
                Compute(request, result);
                ASSERT_EQ(result.secondJDN,
                          holidays::SecondDateFrom(calendar, a, d, options).value())
                    << first << " + " << d;

                request.firstDate = "";
                request.secondDate = second;
                Compute(request, result);
                ASSERT_EQ(result.firstJDN, holidays::FirstDateFrom(calendar, b, d, options).value())
                    << second << " - " << d;
                if (weekends) {
                    ASSERT_EQ(result.firstJDN,
                              b - d + (includeFirst && d != 0 ? (d > 0 ? 1 : -1) : 0));
                }
            }
        }
    }
}

TEST(ComputeWorkingDays, TheReportNotesTheCalendarOnlyWhenWorkingDaysAreCounted) {
    const auto bavaria = Build(Choice(0x41, {"DE-BY"}));
    ComputeRequest request;
    request.firstDate = "2024-12-20";
    request.secondDate = "2025-01-10";
    request.workingDays = bavaria.get();
    request.lineEnd = "\n";
    request.countWeekends = false;
    EXPECT_EQ(Compute(request).output,
              "2024-12-20 CE to 2025-01-10 CE = 11 days, excluding 1st date, not counting weekend "
              "days and holidays (DE-BY)\n");
    request.countWeekends = true;
    EXPECT_EQ(Compute(request).output,
              "2024-12-20 CE to 2025-01-10 CE = 21 days, excluding 1st date\n");
    // A lone date converted is the date itself, whatever the calendar.
    request.secondDate = "";
    request.countWeekends = false;
    request.secondCalendar = CalendarCode::JDN;
    EXPECT_EQ(Compute(request).output, "2024-12-20 CE = 2,460,665 JDN, Friday\n");
}

MonthGrid Draw(int32_t year, int month, bool julian, const WorkingDays& days,
               LanguageCode language = LanguageCode::English) {
    const std::optional<MonthGrid> grid =
        BuildMonthGrid({year, month, julian, false, language, days.calendar.get()});
    EXPECT_TRUE(grid.has_value());
    return grid.value_or(MonthGrid{});
}

TEST(MonthGridHolidays, MarksTheMonthsHolidaysOnlyAndNamesThem) {
    const auto bavaria = Build(Choice(0x41, {"DE-BY"}));
    MonthGrid grid = Draw(2024, 12, false, *bavaria);
    EXPECT_EQ(grid.text,
              " Sun  Mon  Tue  Wed  Thu  Fri  Sat \r\n"
              "   1    2    3    4    5    6    7  \r\n"
              "   8    9   10   11   12   13   14  \r\n"
              "  15   16   17   18   19   20   21  \r\n"
              "  22   23   24   25*  26*  27   28  \r\n"
              "  29   30   31    1    2    3    4  ")
        << "1 January, a holiday shown in the grid, belongs to the next month";
    EXPECT_EQ(grid.holidays, "  25* Christmas Day\r\n  26* St Stephen's Day");
    EXPECT_EQ(Draw(2024, 12, false, *bavaria, LanguageCode::German).holidays,
              "  25* 1. Weihnachtstag\r\n  26* 2. Weihnachtstag");
    EXPECT_EQ(Draw(2024, 2, false, *bavaria).holidays, "");

    // The Julian December 2024 holds the Gregorian 25 and 26 December (its 12
    // and 13), New Year's Day (19) and Epiphany (24).
    grid = Draw(2024, 12, true, *bavaria);
    EXPECT_EQ(grid.holidays,
              "  12* Christmas Day\r\n  13* St Stephen's Day\r\n  19* New Year's Day\r\n"
              "  24* Epiphany");
    EXPECT_NE(grid.text.find("  12*  13*"), std::string::npos) << grid.text;

    // Two regions with different holidays on one day list both names.
    const auto both = Build(Choice(0x41, {"GB", "DE"}));
    EXPECT_EQ(Draw(2022, 6, false, *both).holidays,
              "   2* Spring Bank Holiday\r\n   3* Platinum Jubilee of Elizabeth II\r\n"
              "   6* Whit Monday");
}

}  // namespace
}  // namespace tembrel
