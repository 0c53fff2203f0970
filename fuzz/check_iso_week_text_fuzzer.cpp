// Fuzzes CheckISOWeekText. Input: the text. Properties: the answer is a form; a
// text without spaces that the check refuses does not parse; a text it accepts
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

using tembrel::TextForm;

TextForm OtherForm(TextForm form) {
    return form == TextForm::Compact ? TextForm::Hyphenated : TextForm::Compact;
}

std::string ToOtherForm(std::string_view text, TextForm form) {
    std::string other;
    if (form == TextForm::Compact) {
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

    const TextForm form = CheckISOWeekText(text);
    Require(form == TextForm::Compact || form == TextForm::Hyphenated || form == TextForm::Neither,
            "the answer is a form", text);
    const Parsed<ISOWeekDate> date = ParseISOWeekDate(text);
    if (form == TextForm::Neither) {
        Require(text.find(' ') != std::string_view::npos || date.status == ParseStatus::Invalid,
                "a refused text does not parse", text);
        return 0;
    }
    // The hyphen option rewrites a field after trimming it; a leading space would
    // put a sign in the second position, where it reads as a hyphen.
    const std::string_view trimmed = TrimSpaces(text);
    const TextForm trimmedForm = CheckISOWeekText(trimmed);
    Require(trimmedForm != TextForm::Neither, "trimming keeps a text valid", trimmed);
    const std::string other = ToOtherForm(trimmed, trimmedForm);
    Require(CheckISOWeekText(other) == OtherForm(trimmedForm),
            "the rewritten text has the other form", other);
    const Parsed<ISOWeekDate> otherDate = ParseISOWeekDate(other);
    Require(otherDate.status == date.status && otherDate.value.jdn == date.value.jdn,
            "the rewritten text reads as the same day", other);
    return 0;
}
