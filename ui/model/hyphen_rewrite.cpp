#include "ui/model/hyphen_rewrite.h"

#include "core/date_parsing.h"
#include "core/string_utils.h"

namespace tembrel {

std::string RewriteForHyphen(std::string_view text, bool hyphen) {
    std::string result(TrimSpaces(text));

    const TextForm ordinal = CheckOrdinalText(result);
    if (hyphen && ordinal == TextForm::Compact) {
        result = result.substr(0, 4) + "-" + result.substr(4);
    } else if (!hyphen && ordinal == TextForm::Hyphenated) {
        result = result.substr(0, 4) + result.substr(5);
    }

    const TextForm iso = CheckISOWeekText(result);
    if (hyphen && iso == TextForm::Compact) {
        std::string withHyphens;
        for (const char c : result) {
            if (c == 'W') {
                withHyphens += '-';
            }
            withHyphens += c;
        }
        // A valid compact ISO week date ends in its weekday digit.
        withHyphens.insert(withHyphens.size() - 1, 1, '-');
        result = withHyphens;
    } else if (!hyphen && iso == TextForm::Hyphenated) {
        result = RemoveChars(result, "-", 2);
    }
    return result;
}

}  // namespace tembrel
