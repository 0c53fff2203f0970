#include "holidays/user_day_files.h"

#include "holidays/civil_days.h"
#include "holidays/ical_file.h"
#include "holidays/text_scan.h"

namespace tembrel::holidays {

namespace {

// Reads the whole file, or sets `error` to why it cannot.
std::optional<std::string> ReadUserFile(const std::filesystem::path& path, FileError& error) {
    std::string bytes;
    switch (ReadWholeFile(path, kMaxUserFileBytes, bytes)) {
        case ReadStatus::Ok:
            return bytes;
        case ReadStatus::CannotOpen:
            error = {path.string(), 0, FileProblem::CannotOpen, ""};
            return std::nullopt;
        case ReadStatus::TooLarge:
            error = {path.string(), 0, FileProblem::TooLarge, ""};
            return std::nullopt;
    }
    return std::nullopt;
}

bool IsIcsFile(const std::filesystem::path& path) {
    return EqualsIgnoringCase(path.extension().string(), ".ics");
}

}  // namespace

std::optional<std::vector<UserDay>> ParseDayList(std::string_view bytes, std::string_view fileName,
                                                 FileError& error) {
    error = {std::string(fileName), 0, FileProblem::BadDate, ""};
    std::vector<UserDay> days;
    const bool read = ReadTextLines(
        bytes, error, [&](std::string_view line, int32_t) -> std::optional<LineProblem> {
            std::string_view rest = TrimBlanks(line);
            if (rest.empty() || rest.front() == '#') {
                return std::nullopt;
            }
            const std::string_view word = TakeWord(rest);
            const std::optional<IsoDate> date = ReadIsoDate(word);
            if (!date) {
                return LineProblem{FileProblem::BadDate, std::string(word)};
            }
            rest = TrimBlanks(rest);
            UserDay day;
            day.jdn = static_cast<int32_t>(GregorianDay(date->year, date->month, date->day));
            if (!rest.starts_with('#')) {
                day.name = rest;
            }
            days.push_back(std::move(day));
            return std::nullopt;
        });
    if (!read) {
        return std::nullopt;
    }
    return days;
}

std::optional<UserHolidays> LoadHolidayFile(const std::filesystem::path& path, FileError& error) {
    const std::optional<std::string> bytes = ReadUserFile(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    if (IsIcsFile(path)) {
        return ParseIcsFile(*bytes, path.string(), error);
    }
    std::optional<std::vector<UserDay>> days = ParseDayList(*bytes, path.string(), error);
    if (!days) {
        return std::nullopt;
    }
    UserHolidays holidays;
    holidays.days = std::move(*days);
    holidays.yearly.code = path.string();
    return holidays;
}

std::optional<std::vector<UserDay>> LoadWorkdayFile(const std::filesystem::path& path,
                                                    FileError& error) {
    const std::optional<std::string> bytes = ReadUserFile(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseDayList(*bytes, path.string(), error);
}

}  // namespace tembrel::holidays
