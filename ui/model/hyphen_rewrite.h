// Rewriting a typed ordinal or ISO week date between its compact and hyphenated
// forms when the hyphen option changes.
#pragma once

#include <string>
#include <string_view>

namespace tembrel {

// Returns the text without spaces at either end, with a valid ordinal date
// (yyyyddd / yyyy-ddd) or ISO week date (2008W011 / 2008-W01-1) brought into the
// hyphenated form when `hyphen` is set and into the compact form when it is
// clear. The leading sign of a negative ISO year stays. Any other text, an
// ISO week date with a lower-case "w" included, comes back only trimmed. The
// calendar a field is set to plays no part.
std::string RewriteForHyphen(std::string_view text, bool hyphen);

}  // namespace tembrel
