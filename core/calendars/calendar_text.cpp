#include "core/calendars/calendar_text.h"

#include <optional>

#include "core/calendar_codes.h"
#include "core/calendars/date_text_parts.h"
#include "core/date_formatting.h"
#include "core/date_records.h"

namespace tembrel {

namespace {

// Where the year (its first part), the month and the day stand in a date text
// of a date order, when the year takes `yearParts` parts.
struct UnitPositions {
    int year;
    int month;
    int day;
};

UnitPositions PositionsOf(DateOrder order, int yearParts) {
    switch (order) {
        case DateOrder::DMY:
            return {2, 1, 0};
        case DateOrder::MDY:
            return {2, 0, 1};
        case DateOrder::YMD:
            break;
    }
    return {0, yearParts, yearParts + 1};
}

// Reads the parts of a date text separated by the date separator of the
// options (which must be one character).
std::optional<DateParts> ReadPartsWithOptions(std::string_view text, const NotationOptions& options,
                                              int count, bool leapMarks) {
    if (options.dateSep.size() != 1) {
        return std::nullopt;
    }
    return ReadDateParts(text, options.dateSep.front(), count, leapMarks);
}

// Returns the value of a part that must be unsigned, such as a month or a day;
// a value beyond 32 bits becomes the largest 32-bit value, which no calendar
// accepts.
std::optional<int32_t> UnsignedValue(const DatePart& part) {
    if (part.negative) {
        return std::nullopt;
    }
    return part.Value().value_or(INT32_MAX);
}

constexpr ParsedDay kInvalidText{ParseStatus::Invalid, 0};
constexpr ParsedDay kOutOfRangeText{ParseStatus::OutOfRange, 0};

}  // namespace

ParsedDay ParsedDayOf(const JdnResult& result) {
    switch (result.check) {
        case DateCheck::Valid:
            return {ParseStatus::Valid, result.jdn};
        case DateCheck::OutOfRange:
            return kOutOfRangeText;
        default:
            return kInvalidText;
    }
}

void AppendYmdText(const YmdDate& date, const NotationOptions& options, TextAppender& out) {
    CalDate written{};
    written.year = date.year;
    written.month = date.month;
    written.day = date.day;
    written.marker = kMarkerGregorian;  // any marker but Revar Overe's writes the Common Era form
    AppendDateText(out, written, options.order, options.dateSep, options.thousSep);
}

ParsedDay ReadYmdText(std::string_view text, const NotationOptions& options,
                      JdnResult (*toJdn)(const YmdDate&)) {
    const std::optional<DateParts> parts = ReadPartsWithOptions(text, options, 3, false);
    if (!parts) {
        return kInvalidText;
    }
    const UnitPositions at = PositionsOf(options.order, 1);
    const std::optional<int32_t> month = UnsignedValue((*parts)[at.month]);
    const std::optional<int32_t> day = UnsignedValue((*parts)[at.day]);
    if (!month || !day) {
        return kInvalidText;
    }
    const std::optional<int32_t> year = (*parts)[at.year].Value();
    if (!year) {
        return kOutOfRangeText;
    }
    return ParsedDayOf(toJdn({*year, *month, *day}));
}

void AppendChineseText(const ChineseDate& date, const NotationOptions& options, TextAppender& out) {
    const UnitPositions at = PositionsOf(options.order, 2);
    for (int position = 0; position < 4; ++position) {
        if (position > 0) {
            out.Add(options.dateSep);
        }
        if (position == at.year) {
            out.AddNumber(date.cycle, 1);
        } else if (position == at.year + 1) {
            out.AddNumber(date.year, 2);
        } else if (position == at.month) {
            out.AddNumber(date.month, 2);
            if (date.leap) {
                out.Add('L');
            }
        } else {
            out.AddNumber(date.day, 2);
        }
    }
}

ParsedDay ReadChineseText(std::string_view text, const NotationOptions& options) {
    const std::optional<DateParts> parts = ReadPartsWithOptions(text, options, 4, true);
    if (!parts) {
        return kInvalidText;
    }
    const UnitPositions at = PositionsOf(options.order, 2);
    const DatePart& monthPart = (*parts)[at.month];
    for (int position = 0; position < 4; ++position) {
        if (position != at.month && (*parts)[position].leapMark) {
            return kInvalidText;  // a leap mark after a year or a day
        }
    }
    const std::optional<int32_t> year = UnsignedValue((*parts)[at.year + 1]);
    const std::optional<int32_t> month = UnsignedValue(monthPart);
    const std::optional<int32_t> day = UnsignedValue((*parts)[at.day]);
    if (!year || !month || !day) {
        return kInvalidText;
    }
    const std::optional<int32_t> cycle = (*parts)[at.year].Value();
    if (!cycle) {
        return kOutOfRangeText;
    }
    return ParsedDayOf(ChineseDateToJdn({*cycle, *year, *month, monthPart.leapMark, *day}));
}

void AppendMayaText(const MayaLongCount& count, TextAppender& out) {
    out.AddNumber(count.baktun, 1);
    for (const int32_t place : {count.katun, count.tun, count.uinal, count.kin}) {
        out.Add('.');
        out.AddNumber(place, 1);
    }
}

ParsedDay ReadMayaText(std::string_view text) {
    const std::optional<DateParts> parts = ReadDateParts(text, '.', 5, false);
    if (!parts) {
        return kInvalidText;
    }
    std::array<int32_t, 4> places{};
    for (size_t i = 0; i < places.size(); ++i) {
        const std::optional<int32_t> place = UnsignedValue((*parts)[i + 1]);
        if (!place) {
            return kInvalidText;
        }
        places[i] = *place;
    }
    const std::optional<int32_t> baktun = (*parts)[0].Value();
    if (!baktun) {
        return kOutOfRangeText;
    }
    return ParsedDayOf(MayaLongCountToJdn({*baktun, places[0], places[1], places[2], places[3]}));
}

}  // namespace tembrel
