#include "core/calendars/date_text_parts.h"

#include <limits>

#include "core/number_text.h"

namespace tembrel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLeapMark(char c) {
    return c == 'L' || c == 'l';
}

enum class Place { PartStart, AfterSign, Digits, AfterMark };

}  // namespace

std::optional<int32_t> DatePart::Value() const {
    if (magnitude > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::optional<DateParts> ReadDateParts(std::string_view text, char separator, int count,
                                       bool leapMarks) {
    DateParts parts{};
    int index = 0;
    Place place = Place::PartStart;
    for (const char c : text) {
        const bool digit = IsDigit(c);
        const bool mark = leapMarks && IsLeapMark(c);
        if (!digit && !mark && c != '-' && c != separator) {
            continue;  // not a date character: dropped
        }
        if (index >= count) {
            return std::nullopt;
        }
        DatePart& part = parts[index];
        if (digit && place != Place::AfterMark) {
            if (part.magnitude < kWholeNumberCap) {
                part.magnitude = part.magnitude * 10 + (c - '0');  // < 2^44
            }
            place = Place::Digits;
        } else if (c == '-' && place == Place::PartStart) {
            part.negative = true;
            place = Place::AfterSign;
        } else if (mark && place == Place::Digits) {
            part.leapMark = true;
            place = Place::AfterMark;
        } else if (c == separator && (place == Place::Digits || place == Place::AfterMark)) {
            ++index;
            place = Place::PartStart;
        } else {
            return std::nullopt;
        }
    }
    if (index != count - 1 || (place != Place::Digits && place != Place::AfterMark)) {
        return std::nullopt;
    }
    for (DatePart& part : parts) {
        part.magnitude = part.magnitude > kWholeNumberCap ? kWholeNumberCap : part.magnitude;
    }
    return parts;
}

}  // namespace tembrel
