// The user's own days: holiday files and extra working day files.
//
// A day list is plain UTF-8 text, one day per line:
//
//   # Company holidays 2024          (a comment; blank lines are ignored too)
//   2024-12-24 Christmas Eve         (an ISO date, then an optional name)
//   2024-12-31                       (a name starting with # is a comment)
//
// Dates are days of the Gregorian calendar in the years 1..9999. The same date
// may appear twice. A holiday file may also be an iCalendar file (ending .ics,
// ical_file.h); extra working days always come as a day list.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/file_error.h"
#include "holidays/holiday_rule.h"

namespace tembrel::holidays {

// Largest day list or iCalendar file read, in bytes.
inline constexpr size_t kMaxUserFileBytes = size_t{8} << 20;

struct UserDay {
    int32_t jdn = 0;
    std::string name;  // may be empty
    friend bool operator==(const UserDay&, const UserDay&) = default;
};

// What a holiday file holds: single days, and yearly days (from iCalendar
// recurrences) as rules of a region named after the file.
struct UserHolidays {
    std::vector<UserDay> days;
    RegionRules yearly;
};

// Reads the text of a day list; on a problem returns nothing and sets `error`
// to the first problem in file order (its file set to `fileName`).
std::optional<std::vector<UserDay>> ParseDayList(std::string_view bytes, std::string_view fileName,
                                                 FileError& error);

// Reads a holiday file from disk: an iCalendar file when its name ends in .ics
// (any case), else a day list. Errors name the file as given.
std::optional<UserHolidays> LoadHolidayFile(const std::filesystem::path& path, FileError& error);

// Reads a file of extra working days (a day list) from disk.
std::optional<std::vector<UserDay>> LoadWorkdayFile(const std::filesystem::path& path,
                                                    FileError& error);

}  // namespace tembrel::holidays
