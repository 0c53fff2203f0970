// What went wrong reading a holiday rule file or one of the user's day files,
// where, and the words for it. Readers answer a FileError instead of showing
// anything; the caller decides where the message goes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "holidays/holiday_rule.h"
#include "holidays/text_scan.h"

namespace tembrel::holidays {

enum class FileProblem : uint8_t {
    // The whole file (line 0):
    CannotOpen,  // missing, unreadable or a folder
    TooLarge,    // longer than the reader's limit
    NotText,     // not UTF-8 text, or holds control characters (line given)
    NoRegion,    // a rule file without a single region
    // A line of the holiday rule file:
    UnknownLine,      // none of: comment, region, group, include, holiday
    BadRegionCode,    // not an ISO 3166 code ("DE", "DE-BY") or group name
    DuplicateRegion,  // a region or group named twice
    OutsideRegion,    // a holiday or include before the first region or group
    UnknownInclude,   // include of a region or group that the file does not define
    IncludeCycle,     // a region that includes itself, directly or not
    BadDay,           // the day of a holiday cannot be read
    BadYears,         // years outside 1..9999, reversed or overlapping
    BadMove,          // a move that is not "<weekday>:<shift>" or "<weekday>:next"
    BadName,          // no "= English | German" names
    // A line of a user's day file:
    BadDate,  // not an existing date yyyy-mm-dd, years 1..9999
    // An iCalendar file:
    NotCalendar,   // libical cannot parse it, or it holds no calendar
    TimedEvent,    // an event with a time of day: only all-day events are days off
    Unsupported,   // a recurrence or property that cannot be represented (detail says which)
    EventTooLong,  // a yearly event of more than a month, or a one-off of more than ten years
};

struct FileError {
    std::string file;  // the file's name as the user gave it
    int32_t line = 0;  // 1-based; 0 when the problem is the whole file
    FileProblem problem = FileProblem::CannotOpen;
    std::string detail;  // the text in question, or what is not supported
};

// Returns the message for an error in English or German, naming the file, the
// line (when there is one) and the text in question: 'holidays.dat, line 12:
// cannot read the day "12-32"'.
std::string DescribeFileError(const FileError& error, NameLanguage language);

// The outcome of reading a whole file into memory.
enum class ReadStatus : uint8_t { Ok, CannotOpen, TooLarge };

// Reads a whole file of at most `maxBytes` bytes into `bytes`.
ReadStatus ReadWholeFile(const std::filesystem::path& path, size_t maxBytes, std::string& bytes);

// Returns true when a line is UTF-8 text without control characters other than
// tab.
bool IsTextLine(std::string_view line);

// A problem that a reader found on one line, with the text in question.
struct LineProblem {
    FileProblem problem = FileProblem::UnknownLine;
    std::string detail;
};

// Hands each line of a text file (UTF-8, with or without a byte order mark,
// lines ending in LF or CR LF) with its number to `readLine`, which answers the
// problem it finds, if any. Stops at the first line that is not text or has a
// problem, sets the line, problem and detail of `error` and returns false;
// returns true when every line was read.
template <typename ReadLine>
bool ReadTextLines(std::string_view bytes, FileError& error, ReadLine readLine) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    // A file of n bytes has at most n + 1 lines; every reader limits n.
    for (int32_t lineNumber = 1; !bytes.empty(); ++lineNumber) {
        const std::string_view line = TakeLine(bytes);
        error.line = lineNumber;
        if (!IsTextLine(line)) {
            error.problem = FileProblem::NotText;
            error.detail.clear();
            return false;
        }
        if (std::optional<LineProblem> problem = readLine(line, lineNumber)) {
            error.problem = problem->problem;
            error.detail = std::move(problem->detail);
            return false;
        }
    }
    return true;
}

}  // namespace tembrel::holidays
