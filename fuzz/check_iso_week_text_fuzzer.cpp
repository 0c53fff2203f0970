// Fuzzes CheckISOWeekText. Input: the text. Properties: the answer is a form or 0;
// a text without spaces that the check refuses does not parse; a text it accepts
// keeps its day when it is trimmed and turned into the other form the way the
// hyphen option rewrites a field (compact: "W" becomes "-W" and a "-" goes before
// the last character; hyphenated: every "-" but a leading sign is removed).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/date_parsing.h"
#include "core/string_utils.h"
#include "fuzz/date_fuzz_support.h"

namespace {

std::string ToOtherForm(std::string_view text, int form) {
    std::string other;
    if (form == tembrel::kCompactForm) {
        for (const char c : text) {
            other += c == 'W' ? std::string("-W") : std::string(1, c);
        }
        other.insert(other.size() - 1, "-");
    } else {
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '-' || i == 0) {
                other += text[i];
            }
        }
    }
    return other;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    const std::string_view text = fuzz::AsText(data, size);

    const int form = CheckISOWeekText(text);
    Require(form == kCompactForm || form == kHyphenatedForm || form == kNeitherForm,
            "the answer is a form or 0", text);
    ISOWeekDate date;
    const int status = ParseISOWeekDate(text, date);
    if (form == kNeitherForm) {
        Require(text.find(' ') != std::string_view::npos || status == kParseInvalid,
                "a refused text does not parse", text);
        return 0;
    }
    // The hyphen option rewrites a field after trimming it; a leading space would
    // put a sign in the second position, where it reads as a hyphen.
    const std::string_view trimmed = TrimSpaces(text);
    const int trimmedForm = CheckISOWeekText(trimmed);
    Require(trimmedForm != kNeitherForm, "trimming keeps a text valid", trimmed);
    const std::string other = ToOtherForm(trimmed, trimmedForm);
    Require(CheckISOWeekText(other) == -trimmedForm, "the rewritten text has the other form",
            other);
    ISOWeekDate otherDate;
    const int otherStatus = ParseISOWeekDate(other, otherDate);
    Require(otherStatus == status && (status != kParseValid || otherDate.jdn == date.jdn),
            "the rewritten text reads as the same day", other);
    return 0;
}
