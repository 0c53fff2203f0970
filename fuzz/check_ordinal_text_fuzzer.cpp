// Fuzzes CheckOrdinalText. Input: the text. Properties: the answer is a form; a
// text of either form parses in that form (out of range only for year 0000)
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

    const TextForm form = CheckOrdinalText(text);
    Require(form == TextForm::Compact || form == TextForm::Hyphenated || form == TextForm::Neither,
            "the answer is a form", text);
    if (form == TextForm::Neither) {
        return 0;
    }
    const bool hyphen = form == TextForm::Hyphenated;
    const Parsed<CalDate> date = ParseOrdinalDate(text, hyphen);
    Require(date.ok() || (date.status == ParseStatus::OutOfRange && text.substr(0, 4) == "0000"),
            "a checked text parses in its form", text);
    if (date.ok()) {
        Require(FormatOrdinalDate(date.value, DayOfYear(date.value), hyphen) == text,
                "a checked text is written back unchanged", text);
    }
    return 0;
}
