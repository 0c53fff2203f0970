// Fuzzes the calendar library's str_to_date. Input: an order choice (0..4, where
// 3 and 4 are orders the library does not know), a marker choice (G, J, A, N, I,
// or 0), then the text, read up to its first NUL. Properties: the result is 0, -1
// or -5; only 0 writes the record; a date read exists in its calendar, has a
// 32-bit day number, and written as plain text in the same order reads the same.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/calendar_binding.h"
#include "fuzz/date_fuzz_support.h"
#include "libs/roroviri/roroviri.h"

namespace {

constexpr CalDate kUntouched{-7, -7, -7, -7, -7, -7};
constexpr int32_t kMarkers[] = {'G', 'J', 'A', 'N', 'I', 0};

bool SameRecord(const CalDate& a, const CalDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.marker == b.marker &&
           a.jdn == b.jdn && a.spare == b.spare;
}

// Writes year, month and day in the order with "-" between them.
std::string PlainText(const CalDate& date, int32_t order) {
    const std::string y = std::to_string(date.year);
    const std::string m = std::to_string(date.month);
    const std::string d = std::to_string(date.day);
    if (order == kOrderYearMonthDay) {
        return y + "-" + m + "-" + d;
    }
    return order == kOrderDayMonthYear ? d + "-" + m + "-" + y : m + "-" + d + "-" + y;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using tembrel::fuzz::Require;
    std::string_view input = tembrel::fuzz::AsText(data, size);
    const int32_t order = tembrel::fuzz::TakeChoice(input, 5);
    const int32_t marker = kMarkers[tembrel::fuzz::TakeChoice(input, 6)];
    const std::string text(input);  // NUL-terminated; the library stops at the first NUL

    CalDate date = kUntouched;
    const int32_t result = str_to_date(text.c_str(), order, &date, marker);
    Require(
        result == kStrToDateValid || result == kStrToDateInvalid || result == kStrToDateOutOfRange,
        "the result is 0, -1 or -5", text);
    if (result != kStrToDateValid) {
        Require(SameRecord(date, kUntouched), "only a valid text writes the record", text);
        return 0;
    }
    Require(order <= kOrderYearMonthDay && date.marker == marker && date.spare == kUntouched.spare,
            "a valid text fills year, month, day and the marker", text);
    const std::optional<int32_t> jdn = tembrel::JDNOfCalDate(date);
    Require(jdn.has_value(), "a date read has a 32-bit day number", text);
    const CalDate normal = tembrel::CalDateOfJDN(*jdn, static_cast<char>(marker));
    Require(normal.year == date.year && normal.month == date.month && normal.day == date.day,
            "a date read exists in its calendar", text);
    const std::string written = PlainText(date, order);
    CalDate back = kUntouched;
    Require(str_to_date(written.c_str(), order, &back, marker) == kStrToDateValid &&
                back.year == date.year && back.month == date.month && back.day == date.day,
            "the date written back reads the same", written);
    return 0;
}
