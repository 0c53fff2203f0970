#include "holidays/user_day_files.h"

#include <gtest/gtest.h>

#include <string>

#include "holidays/civil_days.h"
#include "holidays/ical_file.h"
#include "holidays/rule_dates.h"
#include "tests/support/temp_folder.h"

namespace tembrel::holidays {
namespace {

int32_t Day(int32_t year, int32_t month, int32_t day) {
    return static_cast<int32_t>(GregorianDay(year, month, day));
}

TEST(DayList, ReadsDatesNamesAndComments) {
    FileError error;
    const std::optional<std::vector<UserDay>> days = ParseDayList(
        "\xEF\xBB\xBF# Company days\r\n"
        "2024-12-24 Christmas Eve\r\n"
        "\n"
        "   2024-12-31\t  # office closed\n"
        "2024-02-29   Leap   day  \n"
        "2024-12-24",
        "days.txt", error);
    ASSERT_TRUE(days.has_value()) << DescribeFileError(error, NameLanguage::English);
    EXPECT_EQ(*days, (std::vector<UserDay>{{Day(2024, 12, 24), "Christmas Eve"},
                                           {Day(2024, 12, 31), ""},
                                           {Day(2024, 2, 29), "Leap   day"},
                                           {Day(2024, 12, 24), ""}}));
}

TEST(DayList, NamesTheLineOfTheFirstWrongDate) {
    struct Case {
        const char* text;
        int32_t line;
        FileProblem problem;
        const char* detail;
    };
    for (const Case& c : {Case{"2024-12-24\n2023-02-29 x\n", 2, FileProblem::BadDate, "2023-02-29"},
                          {"24.12.2024\n", 1, FileProblem::BadDate, "24.12.2024"},
                          {"2024-12-24x\n", 1, FileProblem::BadDate, "2024-12-24x"},
                          {"0000-01-01\n", 1, FileProblem::BadDate, "0000-01-01"},
                          {"2024-1-5\n", 1, FileProblem::BadDate, "2024-1-5"},
                          {"2024-13-01\n", 1, FileProblem::BadDate, "2024-13-01"},
                          {"#\n\n2024-01-01 \x7F\n", 3, FileProblem::NotText, ""}}) {
        FileError error;
        EXPECT_FALSE(ParseDayList(c.text, "days.txt", error).has_value()) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_EQ(error.problem, c.problem) << c.text;
        EXPECT_EQ(error.detail, c.detail) << c.text;
    }
}

TEST(DayList, FilesOnDisk) {
    test_support::TempFolder folder;
    FileError error;
    EXPECT_FALSE(LoadWorkdayFile(folder.path() / "none.txt", error).has_value());
    EXPECT_EQ(error.problem, FileProblem::CannotOpen);
    EXPECT_EQ(error.file, (folder.path() / "none.txt").string());
    const auto big = folder.Write("big.txt", std::string(kMaxUserFileBytes + 1, '\n'));
    EXPECT_FALSE(LoadHolidayFile(big, error).has_value());
    EXPECT_EQ(error.problem, FileProblem::TooLarge);
    const auto list = folder.Write("list.TXT", "2024-05-01 May Day\n");
    const std::optional<UserHolidays> holidays = LoadHolidayFile(list, error);
    ASSERT_TRUE(holidays.has_value());
    EXPECT_EQ(holidays->days, (std::vector<UserDay>{{Day(2024, 5, 1), "May Day"}}));
    EXPECT_TRUE(holidays->yearly.rules.empty());
}

std::string Calendar(const std::string& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}

std::string Event(const std::string& lines) {
    return "BEGIN:VEVENT\r\nUID:x\r\n" + lines + "END:VEVENT\r\n";
}

// The dates that a file's days and yearly rules give in a year.
std::vector<int64_t> DatesIn(const UserHolidays& holidays, int32_t year) {
    std::vector<int64_t> dates;
    for (const UserDay& day : holidays.days) {
        if (GregorianDateOf(day.jdn).year == year) {
            dates.push_back(day.jdn);
        }
    }
    for (const DatedHoliday& holiday : RegionHolidaysInYear(holidays.yearly, year)) {
        dates.push_back(holiday.jdn);
    }
    std::sort(dates.begin(), dates.end());
    return dates;
}

TEST(IcsFile, AllDayEventsAndYearlyRecurrences) {
    FileError error;
    const std::optional<UserHolidays> holidays = ParseIcsFile(
        Calendar(
            Event("SUMMARY:Trip\r\nDTSTART;VALUE=DATE:20240729\r\nDTEND;VALUE=DATE:20240801\r\n") +
            Event("SUMMARY:Founders\r\nDTSTART;VALUE=DATE:20200315\r\nRRULE:FREQ=YEARLY\r\n") +
            Event("SUMMARY:Third Monday\r\nDTSTART;VALUE=DATE:20220117\r\n"
                  "RRULE:FREQ=YEARLY;BYMONTH=1;BYDAY=3MO;COUNT=3\r\n") +
            Event("SUMMARY:Last Friday\r\nDTSTART;VALUE=DATE:20231001\r\n"
                  "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1FR;UNTIL=20251030\r\n") +
            Event("SUMMARY:Two days\r\nDTSTART;VALUE=DATE:20241230\r\nDURATION:P2D\r\n"
                  "RRULE:FREQ=YEARLY\r\nRDATE;VALUE=DATE:20240601\r\n") +
            Event("SUMMARY:Off\r\nSTATUS:CANCELLED\r\nDTSTART:20240101T100000Z\r\n")),
        "own.ics", error);
    ASSERT_TRUE(holidays.has_value()) << DescribeFileError(error, NameLanguage::English);
    EXPECT_EQ(holidays->yearly.code, "own.ics");
    EXPECT_EQ(DatesIn(*holidays, 2019), (std::vector<int64_t>{}));
    // 2023: Founders, Third Monday (16 Jan), the start of Last Friday (1 Oct, not a
    // last Friday itself) and the last Friday of October (27 Oct).
    EXPECT_EQ(DatesIn(*holidays, 2023),
              (std::vector<int64_t>{Day(2023, 1, 16), Day(2023, 3, 15), Day(2023, 10, 1),
                                    Day(2023, 10, 27)}));
    // 2024: the trip, the RDATE (two days long, like its event), Two days from
    // 30 December, and the rest.
    EXPECT_EQ(
        DatesIn(*holidays, 2024),
        (std::vector<int64_t>{Day(2024, 1, 15), Day(2024, 3, 15), Day(2024, 6, 1), Day(2024, 6, 2),
                              Day(2024, 7, 29), Day(2024, 7, 30), Day(2024, 7, 31),
                              Day(2024, 10, 25), Day(2024, 12, 30), Day(2024, 12, 31)}));
    // No more Third Monday after three times from 2022.
    EXPECT_EQ(DatesIn(*holidays, 2026),
              (std::vector<int64_t>{Day(2026, 3, 15), Day(2026, 12, 30), Day(2026, 12, 31)}));
    EXPECT_EQ(DatesIn(*holidays, 2025),
              (std::vector<int64_t>{Day(2025, 3, 15), Day(2025, 12, 30), Day(2025, 12, 31)}))
        << "the last Friday of October 2025 (the 31st) is after UNTIL";
}

TEST(IcsFile, RefusesWhatItCannotRepresentWithTheEventsLine) {
    struct Case {
        std::string event;
        FileProblem problem;
        std::string detail;
    };
    const std::string start = "DTSTART;VALUE=DATE:20240105\r\n";
    for (const Case& c : std::vector<Case>{
             {"SUMMARY:Meeting\r\nDTSTART:20240105T090000\r\n", FileProblem::TimedEvent, "Meeting"},
             {"SUMMARY:M\r\n" + start + "DTEND:20240106T090000\r\n", FileProblem::TimedEvent, "M"},
             {"SUMMARY:M\r\n" + start + "DURATION:PT3H\r\n", FileProblem::TimedEvent, "M"},
             {start + "RRULE:FREQ=WEEKLY\r\n", FileProblem::Unsupported, "RRULE:FREQ=WEEKLY"},
             {start + "RRULE:FREQ=YEARLY;INTERVAL=2\r\n", FileProblem::Unsupported,
              "RRULE:FREQ=YEARLY;INTERVAL=2"},
             {start + "RRULE:FREQ=YEARLY;BYWEEKNO=20\r\n", FileProblem::Unsupported,
              "RRULE:FREQ=YEARLY;BYWEEKNO=20"},
             {start + "RRULE:FREQ=YEARLY;BYMONTH=1,2\r\n", FileProblem::Unsupported,
              "RRULE:FREQ=YEARLY;BYMONTH=1,2"},
             {start + "RRULE:FREQ=YEARLY;BYDAY=MO\r\n", FileProblem::Unsupported,
              "RRULE:FREQ=YEARLY;BYDAY=MO"},
             {start + "RRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20250105\r\n",
              FileProblem::Unsupported, "EXDATE"},
             {"SUMMARY:Long\r\n" + start + "DTEND;VALUE=DATE:20240301\r\nRRULE:FREQ=YEARLY\r\n",
              FileProblem::EventTooLong, "Long"},
             {"SUMMARY:Decade\r\n" + start + "DTEND;VALUE=DATE:20350101\r\n",
              FileProblem::EventTooLong, "Decade"},
             {"SUMMARY:No start\r\n", FileProblem::NotCalendar, "DTSTART"},
         }) {
        FileError error;
        const std::string text =
            Calendar(Event("SUMMARY:Fine\r\n" + start) + "\r\n" + Event(c.event));
        EXPECT_FALSE(ParseIcsFile(text, "own.ics", error).has_value()) << c.event;
        EXPECT_EQ(error.line, 10) << c.event;
        EXPECT_EQ(error.problem, c.problem) << c.event;
        EXPECT_EQ(error.detail, c.detail) << c.event;
    }
    FileError error;
    EXPECT_FALSE(ParseIcsFile("2024-01-01 not a calendar\n", "own.ics", error).has_value());
    EXPECT_EQ(error.problem, FileProblem::NotCalendar);
    EXPECT_EQ(DescribeFileError(error, NameLanguage::German), "own.ics ist keine iCalendar-Datei");
}

}  // namespace
}  // namespace tembrel::holidays
