// Reading a date text of three numbers into a date.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <system_error>

#include "libs/roroviri/calendar_rules.h"
#include "libs/roroviri/civil_day_math.h"
#include "libs/roroviri/date_text_reading.h"
#include "libs/roroviri/roroviri.h"

namespace {

using namespace roroviri;

constexpr int kPartCount = 3;

// A part stops growing here: every part this large is beyond every limit, so a
// longer run of digits reads as this value.
constexpr int64_t kSaturatedValue = int64_t{1} << 40;

// Any year in which every month has its longest length in all three calendars.
constexpr int64_t kLeapYearOfAllCalendars = 0;

struct Part {
    int64_t magnitude = 0;  // [0, kSaturatedValue]
    bool negative = false;
};

bool IsSeparator(char c) {
    return c == '-' || c == '/' || c == '.';
}

// Splits the text into exactly three parts, each an optional "-" and at least
// one digit, separated by single "-", "/" or "." characters. Returns false for
// any other shape.
bool SplitParts(const char* text, Part (&parts)[kPartCount]) {
    const char* cursor = text;
    const char* const end = text + std::strlen(text);
    for (int i = 0; i < kPartCount; ++i) {
        if (i > 0) {
            if (cursor == end || !IsSeparator(*cursor)) {
                return false;
            }
            ++cursor;
        }
        Part part;
        if (cursor != end && *cursor == '-') {
            part.negative = true;
            ++cursor;
        }
        // Unsigned, so that no second sign is taken for part of the number.
        uint64_t magnitude = 0;
        const auto [afterDigits, error] = std::from_chars(cursor, end, magnitude);
        if (afterDigits == cursor) {
            return false;
        }
        // Beyond 64 bits from_chars leaves the value and still passes every digit.
        const bool saturated = error == std::errc::result_out_of_range ||
                               magnitude > static_cast<uint64_t>(kSaturatedValue);
        part.magnitude = saturated ? kSaturatedValue : static_cast<int64_t>(magnitude);
        cursor = afterDigits;
        parts[i] = part;
    }
    return cursor == end;
}

struct PartPositions {
    int year;
    int month;
    int day;
};

// Returns where year, month and day stand for an order value; empty for an
// unknown order.
std::optional<PartPositions> PositionsOf(int32_t order) {
    switch (order) {
        case kOrderYearMonthDay:
            return PartPositions{0, 1, 2};
        case kOrderDayMonthYear:
            return PartPositions{2, 1, 0};
        case kOrderMonthDayYear:
            return PartPositions{2, 0, 1};
        default:
            return std::nullopt;
    }
}

}  // namespace

namespace roroviri {

// The checks run in this order, so that a text is called out of range only when
// it is a date in every other respect: shape and order; month and day (day
// against the month's longest length); year within 32 bits (else out of range);
// day against the month's length in that year; day number within 32 bits (else
// out of range).
DateTextReading ReadDateText(const char* text, int32_t order, int32_t marker) {
    DateTextReading reading;
    if (text == nullptr || MonthsInYear(marker) == 0) {
        return reading;
    }
    const std::optional<PartPositions> positions = PositionsOf(order);
    Part parts[kPartCount];
    if (!positions || !SplitParts(text, parts)) {
        return reading;
    }
    const Part& yearPart = parts[positions->year];
    const Part& monthPart = parts[positions->month];
    const Part& dayPart = parts[positions->day];
    if (monthPart.negative || dayPart.negative || monthPart.magnitude > MonthsInYear(marker)) {
        return reading;
    }
    const auto month = static_cast<int32_t>(monthPart.magnitude);  // [0, 12]
    const int32_t longestMonth = DaysInMonth(marker, kLeapYearOfAllCalendars, month);
    if (dayPart.magnitude < 1 || dayPart.magnitude > longestMonth) {
        return reading;  // also month 0, whose length is 0
    }
    const auto day = static_cast<int32_t>(dayPart.magnitude);  // [1, 37]
    const int64_t fullYear = yearPart.negative ? -yearPart.magnitude : yearPart.magnitude;
    if (fullYear < std::numeric_limits<int32_t>::min() ||
        fullYear > std::numeric_limits<int32_t>::max()) {
        reading.status = kStrToDateOutOfRange;
        return reading;
    }
    const auto year = static_cast<int32_t>(fullYear);
    if (day > DaysInMonth(marker, year, month)) {
        return reading;
    }
    const int64_t jdn = DayNumberOf(marker, year, month, day);
    if (!math::FitsJdn(jdn)) {
        reading.status = kStrToDateOutOfRange;
        return reading;
    }
    reading.status = kStrToDateValid;
    reading.year = year;
    reading.month = month;
    reading.day = day;
    reading.jdn = static_cast<int32_t>(jdn);
    return reading;
}

}  // namespace roroviri

extern "C" {

int32_t str_to_date(const char* text, int32_t order, CalDate* date, int32_t marker) {
    if (date == nullptr) {
        return kStrToDateInvalid;
    }
    const roroviri::DateTextReading reading = roroviri::ReadDateText(text, order, marker);
    if (reading.status == kStrToDateValid) {
        date->year = reading.year;
        date->month = reading.month;
        date->day = reading.day;
        date->marker = marker;
    }
    return reading.status;
}

}  // extern "C"
