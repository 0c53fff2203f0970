// The month grid and the ISO week panel: the texts character for character, the
// row rule at month ends, the Julian calendar, far years and the day number
// limits.
#include "compute/month_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"

namespace tembrel {
namespace {

MonthGrid Draw(int32_t year, int month, bool mondayFirst = false, bool julian = false,
               LanguageCode language = LanguageCode::English) {
    const std::optional<MonthGrid> grid =
        BuildMonthGrid({year, month, julian, mondayFirst, language});
    EXPECT_TRUE(grid.has_value()) << year << "-" << month;
    return grid.value_or(MonthGrid{});
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

// Reads the day numbers of a grid row (" " and seven five-character cells).
std::vector<int> RowDays(const std::string& line) {
    std::vector<int> days;
    for (size_t cell = 0; cell < 7; ++cell) {
        days.push_back(std::stoi(line.substr(1 + 5 * cell, 5)));
    }
    return days;
}

int32_t JDN(int32_t year, int month, int day, char marker = kMarkerGregorian) {
    CalDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.marker = marker;
    return *JDNOfCalDate(date);
}

TEST(MonthGrid, February2009WithSundayFirst) {
    const MonthGrid grid = Draw(2009, 2);
    EXPECT_EQ(grid.text,
              " Sun  Mon  Tue  Wed  Thu  Fri  Sat \r\n"
              "   1    2    3    4    5    6    7  \r\n"
              "   8    9   10   11   12   13   14  \r\n"
              "  15   16   17   18   19   20   21  \r\n"
              "  22   23   24   25   26   27   28  \r\n"
              "   1    2    3    4    5    6    7  ");
    EXPECT_EQ(grid.numWeekRows, 5);
    EXPECT_EQ(grid.gridStartJDN, JDN(2009, 2, 1));
}

TEST(MonthGrid, February2009WithMondayFirstStartsSixDaysBeforeTheFirst) {
    const MonthGrid grid = Draw(2009, 2, true);
    EXPECT_EQ(grid.text,
              " Mon  Tue  Wed  Thu  Fri  Sat  Sun \r\n"
              "  26   27   28   29   30   31    1  \r\n"
              "   2    3    4    5    6    7    8  \r\n"
              "   9   10   11   12   13   14   15  \r\n"
              "  16   17   18   19   20   21   22  \r\n"
              "  23   24   25   26   27   28    1  ");
    EXPECT_EQ(grid.numWeekRows, 5);
    EXPECT_EQ(grid.gridStartJDN, JDN(2009, 1, 26));
}

TEST(MonthGrid, HeaderIsThirtyFiveCharactersInEitherLanguage) {
    EXPECT_EQ(MonthGridHeader(false, LanguageCode::German), " Son  Mon  Die  Mit  Don  Fre  Sam ");
    EXPECT_EQ(MonthGridHeader(true, LanguageCode::German), " Mon  Die  Mit  Don  Fre  Sam  Son ");
    EXPECT_EQ(MonthGridHeader(true, LanguageCode::English).size(), 35u);
}

TEST(MonthGrid, RowsEndAtTheThirtyFirstOrRunIntoTheNextMonth) {
    // January 2009 ends on a Saturday: the 31st closes the last row.
    MonthGrid grid = Draw(2009, 1);
    EXPECT_EQ(grid.numWeekRows, 5);
    EXPECT_EQ(Lines(grid.text).back(), "  25   26   27   28   29   30   31  ");
    // June 2012 (30 days) also ends on a Saturday: one more row of July follows.
    grid = Draw(2012, 6);
    EXPECT_EQ(grid.numWeekRows, 6);
    EXPECT_EQ(RowDays(Lines(grid.text)[5]), (std::vector<int>{24, 25, 26, 27, 28, 29, 30}));
    EXPECT_EQ(Lines(grid.text)[6], "   1    2    3    4    5    6    7  ");
    // The extra row is never a seventh: March 2008 (Saturday the 1st, 31 days)
    // already has six.
    grid = Draw(2008, 3);
    EXPECT_EQ(grid.numWeekRows, 6);
    EXPECT_EQ(RowDays(Lines(grid.text)[6]), (std::vector<int>{30, 31, 1, 2, 3, 4, 5}));
}

TEST(MonthGrid, DecemberRunsIntoJanuaryOfTheNextYear) {
    const MonthGrid grid = Draw(2009, 12);
    EXPECT_EQ(grid.numWeekRows, 5);
    EXPECT_EQ(RowDays(Lines(grid.text)[1]), (std::vector<int>{29, 30, 1, 2, 3, 4, 5}));
    EXPECT_EQ(RowDays(Lines(grid.text)[5]), (std::vector<int>{27, 28, 29, 30, 31, 1, 2}));
}

TEST(MonthGrid, JulianMonthsHaveJulianLengthsAndWeekdays) {
    // 1900 is a leap year only in the Julian calendar.
    MonthGrid grid = Draw(1900, 2, false, true);
    EXPECT_EQ(grid.gridStartJDN, JDN(1900, 2, 1, kMarkerJulian) - 2);  // a Tuesday
    EXPECT_EQ(RowDays(Lines(grid.text)[5]), (std::vector<int>{27, 28, 29, 1, 2, 3, 4}));
    grid = Draw(1900, 2);
    EXPECT_EQ(RowDays(Lines(grid.text)[5]), (std::vector<int>{25, 26, 27, 28, 1, 2, 3}));
}

TEST(MonthGrid, EveryMonthCoversItsDaysAndStopsByTheRowRule) {
    // Negative years, year 0 and far years are drawn like any other.
    std::vector<int32_t> years{-5000000, -4712, -1, 0, 12345, 5000000};
    for (int32_t year = -404; year <= 2404; year += 7) {
        years.push_back(year);
    }
    for (const int32_t year : years) {
        for (int month = 1; month <= 12; ++month) {
            for (const bool mondayFirst : {false, true}) {
                for (const bool julian : {false, true}) {
                    SCOPED_TRACE(testing::Message() << year << "-" << month << " monday "
                                                    << mondayFirst << " julian " << julian);
                    const MonthGrid grid = Draw(year, month, mondayFirst, julian);
                    const char marker = julian ? kMarkerJulian : kMarkerGregorian;
                    const int32_t first = JDN(year, month, 1, marker);
                    const int32_t next = JDN(year, month + 1, 1, marker);
                    const int32_t end =
                        grid.gridStartJDN + 7 * grid.numWeekRows;  // past the last cell
                    ASSERT_EQ(Lines(grid.text).size(), static_cast<size_t>(grid.numWeekRows) + 1);
                    EXPECT_EQ(DayOfWeek(grid.gridStartJDN), mondayFirst ? 1 : 0);
                    EXPECT_LE(grid.gridStartJDN, first);
                    EXPECT_GT(grid.gridStartJDN + 7, first);
                    EXPECT_GE(end, next);
                    // The last row ends after the month, or on a 31st, or is the sixth.
                    const CalDate last = CalDateOfJDN(end - 1, marker);
                    EXPECT_TRUE(end - 1 >= next || last.day == 31 || grid.numWeekRows == 6);
                    // The row before it did not stop the grid.
                    if (grid.numWeekRows > 1) {
                        const CalDate before = CalDateOfJDN(end - 8, marker);
                        EXPECT_TRUE(end - 8 < next && before.day != 31);
                    }
                }
            }
        }
    }
}

TEST(MonthGrid, DaysOutsideTheSupportedRangeAreRefused) {
    EXPECT_FALSE(BuildMonthGrid({999999999, 1, false, false, LanguageCode::English}));
    EXPECT_FALSE(BuildMonthGrid({-99999999, 1, true, false, LanguageCode::English}));
    EXPECT_FALSE(BuildMonthGrid({INT32_MAX, 12, false, true, LanguageCode::English}));
    EXPECT_FALSE(BuildMonthGrid({INT32_MIN, 1, true, true, LanguageCode::English}));
    EXPECT_FALSE(BuildMonthGrid({2009, 0, false, false, LanguageCode::English}));
    EXPECT_FALSE(BuildMonthGrid({2009, 13, false, false, LanguageCode::English}));

    // The month holding the last supported day number is refused; its grid would
    // run past it. The month two before is drawn, its last cell within range.
    const CalDate top = CalDateOfJDN(kMaxJDN, kMarkerGregorian);
    EXPECT_FALSE(BuildMonthGrid({top.year, top.month, false, false, LanguageCode::English}));
    const CalDate earlier = CalDateOfJDN(kMaxJDN - 70, kMarkerGregorian);
    const std::optional<MonthGrid> grid =
        BuildMonthGrid({earlier.year, earlier.month, false, false, LanguageCode::English});
    ASSERT_TRUE(grid);
    EXPECT_LE(int64_t{grid->gridStartJDN} + 7 * grid->numWeekRows - 1, kMaxJDN);

    const CalDate bottom = CalDateOfJDN(kMinJDN, kMarkerJulian);
    EXPECT_FALSE(BuildMonthGrid({bottom.year, bottom.month, true, true, LanguageCode::English}));
    const CalDate later = CalDateOfJDN(kMinJDN + 40, kMarkerJulian);
    EXPECT_TRUE(BuildMonthGrid({later.year, later.month + 1, true, true, LanguageCode::English}));
}

TEST(ISOWeekDates, February2009WithoutAndWithTheYearDigit) {
    const MonthGrid grid = Draw(2009, 2, true);
    EXPECT_EQ(BuildISOWeekDates(grid.gridStartJDN, grid.numWeekRows, false, LanguageCode::English),
              " Mon    Tue    Wed    Thu    Fri    Sat    Sun   \r\n"
              "W05-1  W05-2  W05-3  W05-4  W05-5  W05-6  W05-7\r\n"
              "W06-1  W06-2  W06-3  W06-4  W06-5  W06-6  W06-7\r\n"
              "W07-1  W07-2  W07-3  W07-4  W07-5  W07-6  W07-7\r\n"
              "W08-1  W08-2  W08-3  W08-4  W08-5  W08-6  W08-7\r\n"
              "W09-1  W09-2  W09-3  W09-4  W09-5  W09-6  W09-7");
    EXPECT_EQ(BuildISOWeekDates(grid.gridStartJDN, grid.numWeekRows, true, LanguageCode::English),
              "Monday   Tuesday  Wednesda Thursday Friday   Saturday Sunday\r\n"
              "9-W05-1  9-W05-2  9-W05-3  9-W05-4  9-W05-5  9-W05-6  9-W05-7\r\n"
              "9-W06-1  9-W06-2  9-W06-3  9-W06-4  9-W06-5  9-W06-6  9-W06-7\r\n"
              "9-W07-1  9-W07-2  9-W07-3  9-W07-4  9-W07-5  9-W07-6  9-W07-7\r\n"
              "9-W08-1  9-W08-2  9-W08-3  9-W08-4  9-W08-5  9-W08-6  9-W08-7\r\n"
              "9-W09-1  9-W09-2  9-W09-3  9-W09-4  9-W09-5  9-W09-6  9-W09-7");
}

TEST(ISOWeekDates, WeeksFollowTheISOYearAcrossNewYear) {
    // January 2010 starts on Monday 28 December 2009, in week 53 of 2009.
    const MonthGrid grid = Draw(2010, 1, true);
    const std::vector<std::string> lines =
        Lines(BuildISOWeekDates(grid.gridStartJDN, grid.numWeekRows, true, LanguageCode::German));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Montag   Dienstag Mittwoch Donnerst Freitag  Samstag  Sonntag");
    EXPECT_EQ(lines[1], "9-W53-1  9-W53-2  9-W53-3  9-W53-4  9-W53-5  9-W53-6  9-W53-7");
    EXPECT_EQ(lines[2], "0-W01-1  0-W01-2  0-W01-3  0-W01-4  0-W01-5  0-W01-6  0-W01-7");
    // Negative ISO years keep their last digit.
    const MonthGrid old = Draw(-45, 6, true);
    EXPECT_EQ(
        Lines(BuildISOWeekDates(old.gridStartJDN, 1, true, LanguageCode::English))[1].substr(0, 3),
        "5-W");
}

TEST(ISOWeekDates, RowsStayWithinTheSupportedDays) {
    EXPECT_EQ(Lines(BuildISOWeekDates(0, 9, false, LanguageCode::English)).size(), 7u);
    EXPECT_EQ(Lines(BuildISOWeekDates(0, 0, false, LanguageCode::English)).size(), 1u);
    EXPECT_EQ(Lines(BuildISOWeekDates(0, -3, false, LanguageCode::English)).size(), 1u);
    EXPECT_EQ(Lines(BuildISOWeekDates(kMaxJDN - 3, 6, false, LanguageCode::English)).size(), 2u);
    EXPECT_EQ(Lines(BuildISOWeekDates(INT32_MAX, 6, true, LanguageCode::English)).size(), 1u);
}

}  // namespace
}  // namespace tembrel
