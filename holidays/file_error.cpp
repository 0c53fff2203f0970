#include "holidays/file_error.h"

#include <array>
#include <fstream>
#include <system_error>

#include "libs/zidiva6/utf8.h"

namespace tembrel::holidays {

namespace {

struct ProblemWords {
    FileProblem problem;
    std::string_view english;
    std::string_view german;
};

// The words of each problem; a detail, when there is one, follows in quotes.
constexpr std::array<ProblemWords, 19> kWords = {{
    {FileProblem::CannotOpen, "cannot be opened", "kann nicht geöffnet werden"},
    {FileProblem::TooLarge, "is too large", "ist zu groß"},
    {FileProblem::NotText, "is not UTF-8 text or holds control characters",
     "ist kein UTF-8-Text oder enthält Steuerzeichen"},
    {FileProblem::NoRegion, "defines no region", "definiert keine Region"},
    {FileProblem::UnknownLine, "cannot read the line", "Zeile nicht lesbar"},
    {FileProblem::BadRegionCode, "not a region code such as DE or DE-BY",
     "kein Regionscode wie DE oder DE-BY"},
    {FileProblem::DuplicateRegion, "region defined twice", "Region doppelt definiert"},
    {FileProblem::OutsideRegion, "holiday before the first region",
     "Feiertag vor der ersten Region"},
    {FileProblem::UnknownInclude, "includes an unknown region",
     "bindet eine unbekannte Region ein"},
    {FileProblem::IncludeCycle, "region includes itself", "Region bindet sich selbst ein"},
    {FileProblem::BadDay, "cannot read the day", "Tag nicht lesbar"},
    {FileProblem::BadYears, "years must lie in 1..9999, in order and without overlap",
     "Jahre müssen in 1..9999 liegen, aufsteigend und ohne Überschneidung"},
    {FileProblem::BadMove, "cannot read the move (for example sat:-1, sun:next)",
     "Verschiebung nicht lesbar (zum Beispiel sat:-1, sun:next)"},
    {FileProblem::BadName, "the names are missing (= English | German)",
     "die Namen fehlen (= Englisch | Deutsch)"},
    {FileProblem::BadDate, "not a date yyyy-mm-dd in the years 1..9999",
     "kein Datum jjjj-mm-tt in den Jahren 1..9999"},
    {FileProblem::NotCalendar, "is not an iCalendar file", "ist keine iCalendar-Datei"},
    {FileProblem::TimedEvent, "an event with a time of day; only all-day events can be days off",
     "ein Termin mit Uhrzeit; nur ganztägige Termine können freie Tage sein"},
    {FileProblem::Unsupported, "not supported", "nicht unterstützt"},
    {FileProblem::EventTooLong,
     "event too long (a yearly one at most a month, a single one at most ten years)",
     "Termin zu lang (ein jährlicher höchstens einen Monat, ein einzelner höchstens zehn Jahre)"},
}};

}  // namespace

std::string DescribeFileError(const FileError& error, NameLanguage language) {
    const bool german = language == NameLanguage::German;
    std::string message = error.file;
    if (error.line > 0) {
        message += german ? ", Zeile " : ", line ";
        message += std::to_string(error.line);
        message += ":";
    }
    message += " ";
    for (const ProblemWords& words : kWords) {
        if (words.problem == error.problem) {
            message += german ? words.german : words.english;
        }
    }
    if (!error.detail.empty()) {
        message += german ? ": „" : ": \"";
        message += error.detail;
        message += german ? "“" : "\"";
    }
    return message;
}

ReadStatus ReadWholeFile(const std::filesystem::path& path, size_t maxBytes, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return ReadStatus::CannotOpen;
    }
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return ReadStatus::CannotOpen;
    }
    if (size > maxBytes) {
        return ReadStatus::TooLarge;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return ReadStatus::CannotOpen;
    }
    // One byte more than the size, so that a file growing meanwhile beyond the
    // limit is refused rather than cut.
    bytes.assign(static_cast<size_t>(size) + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        return ReadStatus::CannotOpen;
    }
    bytes.resize(static_cast<size_t>(file.gcount()));
    return bytes.size() > maxBytes ? ReadStatus::TooLarge : ReadStatus::Ok;
}

bool IsTextLine(std::string_view line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
            return false;
        }
    }
    return zidiva6::IsWellFormedUtf8(line);
}

}  // namespace tembrel::holidays
