// The codes of the notations a date can be written in, their code texts and
// calendar markers, and the order of the parts of a Common Era or Julian date.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tembrel {

// A notation a date can be written in. The numbers 0..8 are stored in the
// settings file and must not change; the main window's date fields offer CE, JC,
// JDN, ORD, ISO, LPW and LPM, the command line and the listings every notation
// but AN and NLW.
enum class CalendarCode : int16_t {
    CE = 0,   // Common Era: proleptic Gregorian, astronomical years
    JC = 1,   // Julian calendar
    JDN = 2,  // Julian day number
    AN = 3,   // Revar Overe (converted by the calendar library; no field selects it)
    ORD = 4,  // ordinal date yyyy-ddd (Gregorian)
    NLW = 5,  // reserved for the library's leap week notation; never converted
    ISO = 6,  // ISO 8601 week date
    LPW = 7,  // leap week calendar, week form
    LPM = 8,  // leap week calendar, month form
    // The world's calendars and day counts (core/calendars/).
    HEB = 9,   // Hebrew
    ISL = 10,  // Islamic, tabular
    PER = 11,  // Persian (solar hijri)
    COP = 12,  // Coptic
    ETH = 13,  // Ethiopian
    IND = 14,  // Indian national
    RJ = 15,   // revised Julian
    EGY = 16,  // Egyptian
    ARM = 17,  // Armenian
    FRE = 18,  // French Republican
    BAH = 19,  // Bahá'í
    MAY = 20,  // Maya long count
    CHN = 21,  // Chinese
    MJD = 22,  // modified Julian day
    RD = 23,   // rata die
    LIL = 24,  // Lilian day
    UNX = 25,  // Unix time
    XLS = 26,  // spreadsheet serial date
};

inline constexpr int kCalendarCodeCount = 27;

// The order of the parts of a Common Era or Julian date. The numbers are those of
// the calendar library and of the settings file.
enum class DateOrder : int16_t {
    MDY = 0,
    DMY = 1,
    YMD = 2,
};

// Marker characters of the calendar library.
inline constexpr char kMarkerGregorian = 'G';
inline constexpr char kMarkerJulian = 'J';
inline constexpr char kMarkerAnnusNovus = 'A';
inline constexpr char kMarkerLibraryLeapWeek = 'N';
inline constexpr char kMarkerISOWeek = 'I';

// Returns the calendar library's marker of a notation: CE and ORD 'G', JC 'J', AN
// 'A', NLW 'N', ISO 'I'; empty for JDN, LPW, LPM and the world's calendars and
// day counts, which have none.
constexpr std::optional<char> CalendarMarkerOf(CalendarCode cal) {
    switch (cal) {
        case CalendarCode::CE:
        case CalendarCode::ORD:
            return kMarkerGregorian;
        case CalendarCode::JC:
            return kMarkerJulian;
        case CalendarCode::AN:
            return kMarkerAnnusNovus;
        case CalendarCode::NLW:
            return kMarkerLibraryLeapWeek;
        case CalendarCode::ISO:
            return kMarkerISOWeek;
        default:
            return std::nullopt;  // JDN, LPW, LPM and the world's calendars
    }
}

// The two columns of the code table: the code text that reports append to a date
// ("CE") and the marker text ("G"; empty for notations without a marker).
struct CalendarCodeTexts {
    std::string_view code;
    std::string_view marker;
};

// kCalendarCodeTexts: indexed by CalendarCode.
inline constexpr CalendarCodeTexts kCalendarCodeTexts[kCalendarCodeCount] = {
    {"CE", "G"}, {"JC", "J"}, {"JDN", "JD"}, {"AN", "A"}, {"ORD", ""}, {"NLW", "N"}, {"ISO", "I"},
    {"LPW", ""}, {"LPM", ""}, {"HEB", ""},   {"ISL", ""}, {"PER", ""}, {"COP", ""},  {"ETH", ""},
    {"IND", ""}, {"RJ", ""},  {"EGY", ""},   {"ARM", ""}, {"FRE", ""}, {"BAH", ""},  {"MAY", ""},
    {"CHN", ""}, {"MJD", ""}, {"RD", ""},    {"LIL", ""}, {"UNX", ""}, {"XLS", ""},
};

// Returns the code text of a notation: "CE", "JDN", ...
constexpr std::string_view CalCodeText(CalendarCode cal) {
    return kCalendarCodeTexts[static_cast<int>(cal)].code;
}

// Returns the marker text of a notation: "G", "JD", or empty.
constexpr std::string_view CalMarkerText(CalendarCode cal) {
    return kCalendarCodeTexts[static_cast<int>(cal)].marker;
}

// Returns the notation whose code text is `text` ("HEB"; upper case as written
// in the table), or nothing.
constexpr std::optional<CalendarCode> CalendarCodeFromText(std::string_view text) {
    for (int i = 0; i < kCalendarCodeCount; ++i) {
        if (kCalendarCodeTexts[i].code == text) {
            return static_cast<CalendarCode>(i);
        }
    }
    return std::nullopt;
}

// Maps a stored number to a notation; empty for numbers that name none.
constexpr std::optional<CalendarCode> CalendarCodeFromInt(long value) {
    if (value < 0 || value >= kCalendarCodeCount) {
        return std::nullopt;
    }
    return static_cast<CalendarCode>(value);
}

}  // namespace tembrel
