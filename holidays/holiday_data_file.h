// The holiday rule file (data/holidays.dat): plain UTF-8 text, one statement per
// line; blank lines and lines starting with # are ignored.
//
//   region DE-BY = Bavaria | Bayern        a region: ISO 3166 code, English | German name
//   group uk-royal                         a group of holidays that regions include
//   include DE                             (in a region or group) every holiday of DE
//   <day> [<offset>] [<years>] [observed] [<moves>] = English name | German name
//
// <day> is one of
//   12-25              a month and day each year (02-29 only in leap years)
//   2022-06-03         one day of one year
//   easter-2 easter+1  Western Easter Sunday (Gregorian computus) plus or minus days
//   orthodox+1         Orthodox Easter Sunday (Julian computus, on the Gregorian
//                      calendar) plus or minus days; offsets -60..+200
//   3rd mon of jan     1st, 2nd, 3rd, 4th or last weekday of a month
//   wed before 11-23   the last such weekday strictly before a date
//   mon after 05-24    the first such weekday strictly after a date
// <offset>   +1 or -3: days added to a weekday or date rule (at most 31 either way)
// <years>    the years in which the holiday is law: 1990..  ..1994  1990..1994  2017,
//            or several of these separated by commas; years 1..9999. Without years
//            the holiday applies to every year, also beyond 1..9999.
// <moves>    where the holiday goes when it falls on a day of the law's week:
//            sat:-1 sun:+1 (a fixed shift of up to 7 days) or sun:next (the next
//            day from Monday to Friday that is not already a holiday of the region
//            that year). Without "observed" the holiday moves; with "observed" it
//            keeps its date and the moved day is a holiday too.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "holidays/file_error.h"
#include "holidays/holiday_data.h"

namespace tembrel::holidays {

// The file's name, next to the executable or in ../share/tembrel/ (found like
// the language data file).
inline constexpr std::string_view kHolidayDataFileName = "holidays.dat";

// Largest rule file read, in bytes.
inline constexpr size_t kMaxHolidayDataBytes = size_t{1} << 20;

// Reads the text of a rule file. On success returns the regions; otherwise sets
// `error` (its file set to `fileName`) to the first problem in file order.
std::optional<HolidayData> ParseHolidayData(std::string_view bytes, std::string_view fileName,
                                            FileError& error);

// Reads a rule file from disk, as ParseHolidayData; errors name the file by its
// file name.
std::optional<HolidayData> LoadHolidayData(const std::filesystem::path& path, FileError& error);

}  // namespace tembrel::holidays
