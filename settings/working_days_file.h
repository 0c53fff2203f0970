// The working days the window counts with, kept between runs in a file of its
// own beside the settings file ("workdays.usr"), so that the settings file
// keeps its 15 lines. UTF-8 text, one "key=value" per line, CR LF line ends:
//
//   # Tembrel: the working days of the window
//   weekend=sat,sun                   (FormatWeekend; "none" for no weekend)
//   regions=DE-BY,AT                  (FormatRegionList; empty for none)
//   holiday-file=/home/me/ferien.ics  (one line per file, in order)
//   workday-file=/home/me/saturdays.txt
//
// Read leniently: lines may end in LF or CR LF, a byte order mark is skipped,
// blank lines and lines starting with # are ignored, and so are keys this
// version does not know (a later one may add some). A missing weekend line
// keeps Saturday and Sunday. A file that is not such text (a line without
// "=", a weekend or region list that cannot be read, a file name that is
// empty, a NUL byte, more than kMaxWorkingDaysFileBytes) gives the defaults.
// Whether the regions exist and the files can be read is not checked here.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "holidays/working_days_choice.h"
#include "settings/settings_file.h"

namespace tembrel {

inline constexpr std::string_view kWorkingDaysFileName = "workdays.usr";

// The largest file read; larger ones are taken as damaged.
inline constexpr size_t kMaxWorkingDaysFileBytes = size_t{1} << 20;

struct WorkingDaysReadResult {
    holidays::WorkingDaysChoice choice;                       // the defaults unless Read
    SettingsReadStatus status = SettingsReadStatus::Missing;  // Read, Missing or Damaged
};

// Returns the file's text for a choice. A file name holding a line end cannot
// be written as a line and is left out.
std::string WorkingDaysFileText(const holidays::WorkingDaysChoice& choice);

// Reads a file's text; empty when it is damaged (see above).
std::optional<holidays::WorkingDaysChoice> ParseWorkingDaysText(std::string_view text);

// Reads the file at `path`: a missing file gives the defaults with status
// Missing, an unreadable or damaged one the defaults with status Damaged.
WorkingDaysReadResult ReadWorkingDaysFile(const std::filesystem::path& path);

// Writes the file atomically (atomic_file.h); false when it could not be
// written, the former file then untouched. Never throws.
bool WriteWorkingDaysFile(const std::filesystem::path& path,
                          const holidays::WorkingDaysChoice& choice);

}  // namespace tembrel
