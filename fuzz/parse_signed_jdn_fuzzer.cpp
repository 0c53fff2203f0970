// Fuzzes ParseSignedJDN. Input: the text. Properties: the status is 1, 0 or -1; a
// failed parse leaves the value alone; a valid value has a magnitude of at most
// 2099999999 and, written with commas, reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "fuzz/date_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    const std::string_view text = fuzz::AsText(data, size);

    constexpr int32_t kUntouched = -7;
    int32_t value = kUntouched;
    const int status = ParseSignedJDN(text, value);
    Require(fuzz::IsStatus(status), "status is 1, 0 or -1", text);
    if (status != kParseValid) {
        Require(value == kUntouched, "a failed parse writes nothing", text);
        return 0;
    }
    Require(value >= -2099999999 && value <= 2099999999, "the magnitude is at most 2099999999",
            text);
    const std::string written = FormatWholeNumber(value, ",");
    int32_t back = kUntouched;
    Require(ParseSignedJDN(written, back) == kParseValid && back == value,
            "the number written back reads the same", written);
    return 0;
}
