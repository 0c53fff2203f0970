// The hand-written digit loops of the batch path against the standard library
// doing the same job, on the same texts and numbers: which one earns its place.
//
// - PlainDateDigits/<order>/<span>/hand: the date parser's reader of a plain
//   date's three runs of digits (core/plain_date_digits.h);
//   .../from_chars: the same runs read with std::from_chars.
// - FixedDigits/<span>/pair_table: a date's year, month and day written with
//   four, two and two digits by TextAppender::WriteFixedDigits (two digits per
//   division from a table of digit pairs); .../to_chars: std::to_chars, then
//   the zeros in front.
// - WholeNumber/<span>/pair_table: a day number with its sign, the digits
//   counted and written as the appender's general case did; .../to_chars:
//   std::to_chars.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "bench/bench_inputs.h"
#include "core/calendar_binding.h"
#include "core/date_formatting.h"
#include "core/plain_date_digits.h"
#include "core/text_appender.h"

namespace {

using namespace bench_support;
using namespace tembrel;

constexpr Span kSpans[] = {kWholeRange, kYears1To9999};

// Folds a plain date's parts into one number, or -1 when the text is not one.
int64_t Folded(bool read, const int64_t (&parts)[3]) {
    return read ? (parts[0] * 100 + parts[1]) * 100 + parts[2] : -1;
}

// The plain date reader's job done with std::from_chars: three runs of one to
// seven digits joined by the separator.
bool ReadPartsWithFromChars(std::string_view text, char separator, int64_t (&parts)[3]) {
    const char* at = text.data();
    const char* const end = at + text.size();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (at == end || *at != separator) {
                return false;
            }
            ++at;
        }
        uint32_t value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (next == at || next - at > 7 || error != std::errc()) {
            return false;
        }
        parts[i] = value;
        at = next;
    }
    return at == end;
}

// Writes the last `count` digits of a value below 10^count with std::to_chars,
// zeros in front.
void WriteFixedWithToChars(char* at, uint32_t value, size_t count) {
    char digits[10];
    const size_t length =
        static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
    std::memset(at, '0', count - length);
    std::memcpy(at + count - length, digits, length);
}

// The count of a number's decimal digits; 1 for 0.
size_t DigitCount(uint32_t magnitude) {
    size_t count = 1;
    for (uint64_t bound = 10; magnitude >= bound; bound *= 10) {
        ++count;
    }
    return count;
}

using DateChars = std::array<char, 10>;
using NumberChars = std::array<char, 12>;

void RegisterPlainDateDigits(const Span& span, const std::vector<int32_t>& jdns) {
    const std::string where = std::string("/") + span.name;
    const auto dates =
        ConvertAll<CalDate>(jdns, [](int32_t jdn) { return CalDateOfJDN(jdn, kMarkerGregorian); });
    for (const DateOrder order : {DateOrder::YMD, DateOrder::DMY}) {
        const char separator = order == DateOrder::YMD ? '-' : '.';
        const std::string name = order == DateOrder::YMD ? "YMD" : "DMY";
        // Written without grouping, as a plain date is typed.
        const auto texts = ConvertAll<std::string>(dates, [&](const CalDate& date) {
            return FormatDateText(date, order, std::string(1, separator), "");
        });
        Register("PlainDateDigits/" + name + where + "/hand", texts,
                 [separator, order](const std::string& text) {
                     int64_t parts[3] = {};
                     return Folded(plain_date::ReadPlainDateParts(text, separator, order, parts),
                                   parts);
                 });
        Register("PlainDateDigits/" + name + where + "/from_chars", texts,
                 [separator](const std::string& text) {
                     int64_t parts[3] = {};
                     return Folded(ReadPartsWithFromChars(text, separator, parts), parts);
                 });
    }
}

void RegisterFixedDigits(const Span& span, const std::vector<int32_t>& jdns) {
    const std::string where = std::string("/") + span.name;
    // Years of four digits at most, as the writers' fast paths take them.
    const auto dates = ConvertAll<CalDate>(jdns, [](int32_t jdn) {
        CalDate date = CalDateOfJDN(jdn, kMarkerGregorian);
        date.year = (date.year % 10000 + 10000) % 10000;
        return date;
    });
    Register("FixedDigits" + where + "/pair_table", dates, [](const CalDate& date) {
        DateChars chars;
        TextAppender::WriteFixedDigits(chars.data(), static_cast<uint32_t>(date.year), 4);
        chars[4] = '-';
        TextAppender::WriteFixedDigits(chars.data() + 5, static_cast<uint32_t>(date.month), 2);
        chars[7] = '-';
        TextAppender::WriteFixedDigits(chars.data() + 8, static_cast<uint32_t>(date.day), 2);
        return chars;
    });
    Register("FixedDigits" + where + "/to_chars", dates, [](const CalDate& date) {
        DateChars chars;
        WriteFixedWithToChars(chars.data(), static_cast<uint32_t>(date.year), 4);
        chars[4] = '-';
        WriteFixedWithToChars(chars.data() + 5, static_cast<uint32_t>(date.month), 2);
        chars[7] = '-';
        WriteFixedWithToChars(chars.data() + 8, static_cast<uint32_t>(date.day), 2);
        return chars;
    });
}

void RegisterWholeNumbers(const Span& span, const std::vector<int32_t>& jdns) {
    const std::string where = std::string("/") + span.name;
    Register("WholeNumber" + where + "/pair_table", jdns, [](int32_t jdn) {
        NumberChars chars{};
        const uint32_t magnitude =
            jdn < 0 ? 0u - static_cast<uint32_t>(jdn) : static_cast<uint32_t>(jdn);
        const size_t sign = jdn < 0 ? 1 : 0;
        chars[0] = '-';
        TextAppender::WriteFixedDigits(chars.data() + sign, magnitude, DigitCount(magnitude));
        return chars;
    });
    Register("WholeNumber" + where + "/to_chars", jdns, [](int32_t jdn) {
        NumberChars chars{};
        std::to_chars(chars.data(), chars.data() + chars.size(), jdn);
        return chars;
    });
}

void RegisterNumberTextBenchmarks() {
    for (const Span& span : kSpans) {
        const std::vector<int32_t> jdns = RandomJdns(span);
        RegisterPlainDateDigits(span, jdns);
        RegisterFixedDigits(span, jdns);
        RegisterWholeNumbers(span, jdns);
    }
}

// Registered before main runs, so that the benchmarks join any benchmark
// executable this file is linked into.
[[maybe_unused]] const bool kRegistered = (RegisterNumberTextBenchmarks(), true);

}  // namespace
