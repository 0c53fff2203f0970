// Helpers the date parser fuzz targets share: reading format choices from the
// front of an input, and stopping on a broken property.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/calendar_codes.h"

namespace tembrel::fuzz {

// Returns the input as text.
inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Takes the first character of the input as a choice among `count`: '0' picks the
// first, '1' the second, ... (any byte picks something), so that seed files are
// readable. An empty input picks the first.
inline int TakeChoice(std::string_view& input, int count) {
    if (input.empty()) {
        return 0;
    }
    const auto value = static_cast<unsigned char>(input.front() - '0');
    input.remove_prefix(1);
    return value % count;
}

inline constexpr std::string_view kDateSeps[] = {"-", "/", "."};
inline constexpr std::string_view kThousSeps[] = {",", ".", ""};

inline std::string_view TakeDateSep(std::string_view& input) {
    return kDateSeps[TakeChoice(input, 3)];
}

inline std::string_view TakeThousSep(std::string_view& input) {
    return kThousSeps[TakeChoice(input, 3)];
}

inline DateOrder TakeOrder(std::string_view& input) {
    return static_cast<DateOrder>(TakeChoice(input, 3));
}

inline bool TakeHyphen(std::string_view& input) {
    return TakeChoice(input, 2) == 0;
}

// Stops the run with the broken property and the text that broke it.
inline void Require(bool holds, const char* property, std::string_view text) {
    if (!holds) {
        std::fprintf(stderr, "property violated: %s\ntext: \"%.*s\"\n", property,
                     static_cast<int>(text.size()), text.data());
        std::abort();
    }
}

}  // namespace tembrel::fuzz
