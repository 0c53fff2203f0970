// The month grid against an independent calendar: the days of every week row
// must agree with what ncal (Debian package ncal) prints for the same month.
//
// ncal switches from the Julian to the Gregorian calendar in September 1752
// (the switch of the C locale, set below), so Common Era months are compared
// from 1800 on. For Julian calendar months ncal's -J option is used: in its
// vertical layout (weeks in columns) it draws the Julian calendar in every year;
// its old-style layout (-b) ignores -J, so that layout is compared only for
// months before October 1582, which ncal draws in the Julian calendar anyway.
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "compute/month_grid.h"
#include "tests/support/run_process.h"

namespace tembrel {
namespace {

using Week = std::array<int, 7>;  // day of the month per cell; 0 for an empty cell

// Returns the path of ncal found on PATH, or nothing.
std::optional<std::string> FindNcal() {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/ncal";
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::vector<std::string> SplitLines(const std::string& text, const std::string& separator) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    return lines;
}

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

// Reads a day number right-aligned in `width` characters at `column`; 0 when
// the field is blank or lies beyond the line. Fails the test on anything else.
int ReadCell(const std::string& line, size_t column, size_t width) {
    if (column >= line.size()) {
        return 0;
    }
    const std::string field = line.substr(column, width);
    if (IsBlank(field)) {
        return 0;
    }
    const size_t digits = field.find_first_not_of(' ');
    for (size_t i = digits; i < field.size(); ++i) {
        if (field[i] == ' ') {
            break;
        }
        if (field[i] < '0' || field[i] > '9') {
            ADD_FAILURE() << "unexpected character in ncal's output: '" << line << "'";
            return -1;
        }
    }
    return std::stoi(field.substr(digits));
}

// Reads ncal's old-style layout (-b): a title, a line of day names, then one line
// per week with a 3-character column per day.
std::vector<Week> ParseRowLayout(const std::string& output) {
    std::vector<Week> weeks;
    int seen = 0;  // non-blank lines
    for (const std::string& line : SplitLines(output, "\n")) {
        if (IsBlank(line) || ++seen <= 2) {
            continue;
        }
        Week week{};
        for (size_t day = 0; day < 7; ++day) {
            week[day] = ReadCell(line, 3 * day, 2);
        }
        weeks.push_back(week);
    }
    return weeks;
}

// Reads ncal's vertical layout: a title, then one line per day of the week (its
// two-letter name, then a 3-character column per week).
std::vector<Week> ParseColumnLayout(const std::string& output) {
    std::vector<std::string> dayLines;
    for (const std::string& line : SplitLines(output, "\n")) {
        if (!IsBlank(line)) {
            dayLines.push_back(line);
        }
    }
    if (dayLines.size() != 8) {
        ADD_FAILURE() << "ncal printed " << dayLines.size() << " lines:\n" << output;
        return {};
    }
    std::vector<Week> weeks(6);
    for (size_t day = 0; day < 7; ++day) {
        for (size_t week = 0; week < weeks.size(); ++week) {
            weeks[week][day] = ReadCell(dayLines[day + 1], 2 + 3 * week, 3);
        }
    }
    std::erase_if(weeks, [](const Week& week) { return week == Week{}; });
    return weeks;
}

enum class Layout { Rows, Columns };

class MonthGridAgainstNcal : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // The C locale: English day names and the 1752 switch of the calendars.
        setenv("LC_ALL", "C", 1);
        setenv("TERM", "dumb", 1);
    }

    void SetUp() override {
        ncal_ = FindNcal();
        if (!ncal_) {
            GTEST_SKIP() << "ncal is not installed (Debian package ncal; scripts/install-deps.sh "
                            "installs it), so the month grid is not compared with it";
        }
    }

    std::vector<Week> Ncal(int32_t year, int month, bool mondayFirst, bool julian,
                           Layout layout) const {
        std::vector<std::string> arguments{"-h"};  // no highlighting of today
        if (layout == Layout::Rows) {
            arguments.push_back("-b");
        }
        if (julian) {
            arguments.push_back("-J");
        }
        arguments.push_back(mondayFirst ? "-M" : "-S");
        arguments.push_back(std::to_string(month));
        arguments.push_back(std::to_string(year));
        const test_support::ProcessResult result = test_support::RunProcess(*ncal_, arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return layout == Layout::Rows ? ParseRowLayout(result.out) : ParseColumnLayout(result.out);
    }

    // Compares the grid of one month with ncal's, row by row.
    void Compare(int32_t year, int month, bool mondayFirst, bool julian, Layout layout) {
        SCOPED_TRACE(testing::Message()
                     << (julian ? "Julian " : "Common Era ") << year << "-" << month
                     << (mondayFirst ? ", Monday" : ", Sunday") << " first");
        const std::vector<Week> expected = Ncal(year, month, mondayFirst, julian, layout);
        const std::optional<MonthGrid> grid =
            BuildMonthGrid({year, month, julian, mondayFirst, LanguageCode::English});
        ASSERT_TRUE(grid);
        ASSERT_GE(expected.size(), 4u);
        const std::vector<std::string> lines = SplitLines(grid->text, "\r\n");
        ASSERT_EQ(lines.size(), static_cast<size_t>(grid->numWeekRows) + 1);

        // ncal leaves the days of the neighbouring months out; the grid shows
        // them, and one more row of the next month when the month fills its last
        // row (fewer than 31 days, fewer than six rows).
        const Week& lastWeek = expected.back();
        const bool monthFillsLastRow = lastWeek[6] != 0;
        const bool extraRow = monthFillsLastRow && lastWeek[6] != 31 && expected.size() < 6;
        ASSERT_EQ(static_cast<size_t>(grid->numWeekRows), expected.size() + (extraRow ? 1 : 0));
        for (size_t row = 0; row < static_cast<size_t>(grid->numWeekRows); ++row) {
            for (size_t cell = 0; cell < 7; ++cell) {
                const int day = std::stoi(lines[row + 1].substr(1 + 5 * cell, 5));
                const int want = row < expected.size() ? expected[row][cell] : 0;
                if (want != 0) {
                    EXPECT_EQ(day, want) << "row " << row + 1 << ", cell " << cell + 1;
                } else if (row == 0) {
                    EXPECT_GE(day, 20) << "row 1, cell " << cell + 1 << ": previous month";
                } else {
                    EXPECT_LE(day, 7)
                        << "row " << row + 1 << ", cell " << cell + 1 << ": next month";
                }
            }
        }
        ++monthsCompared_;
    }

    std::optional<std::string> ncal_;
    int monthsCompared_ = 0;
};

// Years whose months are all compared: turns of centuries with and without a
// Gregorian leap day, ordinary and leap years, and the last year ncal draws.
constexpr int32_t kCommonEraYears[] = {1800, 1899, 1900, 1901, 1904, 1999,
                                       2000, 2009, 2012, 2100, 2400, 9999};

TEST_F(MonthGridAgainstNcal, CommonEraMonthsFrom1800) {
    for (const bool mondayFirst : {false, true}) {
        for (const int32_t year : kCommonEraYears) {
            for (int month = 1; month <= 12; ++month) {
                Compare(year, month, mondayFirst, false, Layout::Rows);
            }
        }
        // Every 331st month from January 1800 to December 9999: the step is
        // prime to 12 and to 7, so months and first weekdays mix.
        for (int index = 0; index < (9999 - 1800 + 1) * 12; index += 331) {
            Compare(1800 + index / 12, index % 12 + 1, mondayFirst, false, Layout::Rows);
        }
    }
    EXPECT_EQ(monthsCompared_, 2 * (12 * 12 + 298));
}

// Julian calendar years: the first ones, centuries (leap years only here),
// years before 1000, the Gregorian reform, and years long after it.
constexpr int32_t kJulianYears[] = {1,   2,    4,    100,  200,  300,  500,  700, 800,
                                    999, 1000, 1500, 1582, 1700, 1900, 2009, 2100};

TEST_F(MonthGridAgainstNcal, JulianCalendarMonths) {
    for (const bool mondayFirst : {false, true}) {
        for (const int32_t year : kJulianYears) {
            for (int month = 1; month <= 12; ++month) {
                Compare(year, month, mondayFirst, true, Layout::Columns);
            }
        }
        for (int index = 0; index < 2500 * 12; index += 331) {
            Compare(1 + index / 12, index % 12 + 1, mondayFirst, true, Layout::Columns);
        }
    }
    EXPECT_EQ(monthsCompared_, 2 * (17 * 12 + 91));
}

TEST_F(MonthGridAgainstNcal, JulianCalendarMonthsInTheOldStyleLayoutBeforeTheReform) {
    for (const bool mondayFirst : {false, true}) {
        for (const int32_t year : {1, 4, 8, 100, 400, 800, 999, 1000, 1300, 1581}) {
            for (int month = 1; month <= 12; ++month) {
                Compare(year, month, mondayFirst, true, Layout::Rows);
            }
        }
        for (int index = 0; index < 1581 * 12; index += 331) {
            Compare(1 + index / 12, index % 12 + 1, mondayFirst, true, Layout::Rows);
        }
    }
    EXPECT_EQ(monthsCompared_, 2 * (10 * 12 + 58));
}

}  // namespace
}  // namespace tembrel
