// Fuzzes ParseJDNText. Input: a thousands separator choice (see TakeChoice), then
// the text. Properties: the status is 1, 0 or -1; only a valid number gives a
// value, which lies in the day number range and, written with thousands
// separators, reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/calendar_tables.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "fuzz/date_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    std::string_view input = fuzz::AsText(data, size);
    const std::string_view thousSep = fuzz::TakeThousSep(input);
    const std::string_view text = input;

    int status = 42;
    const int32_t value = ParseJDNText(text, status);
    Require(fuzz::IsStatus(status), "status is 1, 0 or -1", text);
    if (status != kParseValid) {
        Require(value == 0, "a failed parse gives 0", text);
        return 0;
    }
    Require(IsJDNInRange(value), "a valid number lies in the day number range", text);
    const std::string written = FormatWholeNumber(value, thousSep);
    int backStatus = 42;
    Require(ParseJDNText(written, backStatus) == value && backStatus == kParseValid,
            "the number written back reads the same", written);
    return 0;
}
