// Fuzzes ParseWholeNumber. Input: a thousands separator choice (see TakeChoice),
// then the text. Properties: only a valid number gives a value, which lies in the
// day number range, holds nothing but blanks, one leading sign, digits and one
// kind of group separator, and, written with the chosen thousands separator,
// reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/calendar_tables.h"
#include "core/date_formatting.h"
#include "core/whole_number.h"
#include "fuzz/date_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    std::string_view input = fuzz::AsText(data, size);
    const std::string_view thousSep = fuzz::TakeThousSep(input);
    const std::string_view text = input;

    const Parsed<int32_t> parsed = ParseWholeNumber(text);
    if (!parsed.ok()) {
        Require(parsed.value == 0, "a failed parse gives 0", text);
        return 0;
    }
    Require(IsJDNInRange(parsed.value), "a valid number lies in the day number range", text);
    const bool commas = text.find(',') != std::string_view::npos;
    const bool dots = text.find('.') != std::string_view::npos;
    Require(!(commas && dots), "one kind of group separator", text);
    for (const char c : text) {
        Require((c >= '0' && c <= '9') || c == ' ' || c == '\t' || c == ',' || c == '.' ||
                    c == '+' || c == '-',
                "nothing but blanks, a sign, digits and separators", text);
    }
    const std::string written = FormatWholeNumber(parsed.value, thousSep);
    const Parsed<int32_t> back = ParseWholeNumber(written);
    Require(back.ok() && back.value == parsed.value, "the number written back reads the same",
            written);
    return 0;
}
