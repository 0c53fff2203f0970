// Fuzzes CheckOrdinalText. Input: the text. Properties: the answer is a form or
// 0; a text of either form parses in that form (out of range only for year 0000)
// and is written back exactly as it was.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/calendar_binding.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "fuzz/date_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    const std::string_view text = fuzz::AsText(data, size);

    const int form = CheckOrdinalText(text);
    Require(form == kCompactForm || form == kHyphenatedForm || form == kNeitherForm,
            "the answer is a form or 0", text);
    if (form == kNeitherForm) {
        return 0;
    }
    const int16_t hyphen = form == kHyphenatedForm ? 1 : 0;
    CalDate date{};
    const int status = ParseOrdinalDate(text, hyphen, date);
    Require(status == kParseValid || (status == kParseOutOfRange && text.substr(0, 4) == "0000"),
            "a checked text parses in its form", text);
    if (status == kParseValid) {
        Require(FormatOrdinalDate(date, DayOfYear(date), hyphen) == text,
                "a checked text is written back unchanged", text);
    }
    return 0;
}
