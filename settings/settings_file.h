// The user settings file "vrn.usr": 15 lines of UTF-8 text, each ended by CR LF.
//
//   1  language                                    0
//   2  date order, date separator, thousands sep.  2,45,44
//   3  today, first date, second date calendars    0,0,0
//   4..8  include first date, count weekend days, verbose, hyphen, save output
//   9  month display's first day of week           "Sun" or "Mon"
//   10 month display's calendar                    "CE" or "JC"
//   11..14 first date, date difference, second date, output   "..."
//   15 difference unit                             0 days, 1 months
//
// Texts stand between double quotes as they are, without escaping; a text may
// span several lines (the output does) and cannot hold a double quote.
//
// The file is written once at exit and read once at start-up; this layer takes
// the file's path and knows nothing of where the per-user folder is. Nothing
// here throws or shows a message: a file that cannot be read gives the
// defaults, a file that cannot be written is reported by a false result.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "settings/settings_record.h"

namespace tembrel {

inline constexpr std::string_view kSettingsFileName = "vrn.usr";

// The largest settings file read. A larger file is taken as damaged, and the
// writer shortens the saved output (dropping its oldest lines) so that every
// file it writes stays below this size and reads back.
inline constexpr size_t kMaxSettingsFileBytes = size_t{4} << 20;  // 4 MiB

// How reading went.
enum class SettingsReadStatus {
    Read,             // all 15 lines read
    ReadWithoutUnit,  // lines 1 to 14 read, line 15 missing or not a number: days
    Missing,          // no file (the first run): the defaults
    Damaged,          // unreadable, too large, or a fault in lines 1 to 14: the defaults
};

struct SettingsReadResult {
    UserSettings settings;
    SettingsReadStatus status = SettingsReadStatus::Missing;
};

// Returns the file's text for a record: the 15 lines, each ended by CR LF. A
// double quote in a text is written as a single quote and a NUL character is
// dropped, so that the text reads back; the month display texts are written as
// "Mon" or "Sun" and "JC" or "CE", as the reader understands them. An output
// that would take the file beyond kMaxSettingsFileBytes loses its oldest lines
// (whole lines, so that what stays begins a line); should the three fields
// alone still be too large, they are written empty.
std::string SettingsFileText(const UserSettings& settings);

// Reads the settings from a file's text:
// - lines 1 to 3: integers separated by commas (1, 3 and 3 of them), spaces
//   around them allowed;
// - lines 4 to 8: each a text (quoted or not) of which the number at its start
//   counts; a text without a leading number gives 0;
// - lines 9 to 14: texts; a quoted text runs to the next double quote, across
//   line ends, and what follows it on its last line is ignored; an unquoted text
//   is the line without surrounding spaces;
// - line 15: an integer.
// Lines may end in CR LF or LF; a UTF-8 byte order mark at the start is skipped;
// lines after the 15th are ignored. A fault in lines 1 to 14 (a missing line, a
// value that is not a number, a number beyond 32 bits, a quote that never
// closes), a NUL character anywhere, or a text above kMaxSettingsFileBytes gives
// the defaults with status Damaged. A fault in line 15 alone gives the unit 0
// (days) with everything else read, status ReadWithoutUnit.
SettingsReadResult ParseSettingsText(std::string_view text);

// Reads the settings file at `path` (see ParseSettingsText). A missing file
// gives the defaults with status Missing; a file that cannot be read, or that
// is larger than kMaxSettingsFileBytes, the defaults with status Damaged.
SettingsReadResult ReadSettingsFile(const std::filesystem::path& path);

// Writes the settings file at `path` atomically (see atomic_file.h): afterwards
// the file holds either its former contents or the complete new ones. Returns
// false when the file could not be written (missing or read-only folder, full
// disk); the former file, if any, is then untouched. Never throws.
bool WriteSettingsFile(const std::filesystem::path& path, const UserSettings& settings);

}  // namespace tembrel
