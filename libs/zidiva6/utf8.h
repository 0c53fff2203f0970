// Checking that bytes are well-formed UTF-8.
#pragma once

#include <string_view>

namespace tembrel::zidiva6 {

// Returns true when `bytes` is well-formed UTF-8: no stray continuation bytes, no
// truncated sequences, no overlong forms, no UTF-16 surrogates and nothing above
// U+10FFFF. Control characters are well-formed; callers that refuse them check
// separately.
bool IsWellFormedUtf8(std::string_view bytes);

}  // namespace tembrel::zidiva6
