#include "holidays/working_days_choice.h"

#include "holidays/text_scan.h"

namespace tembrel::holidays {

std::optional<std::vector<std::string>> ParseRegionList(std::string_view text) {
    std::vector<std::string> regions;
    while (true) {
        const size_t comma = text.find(',');
        const std::string_view code = TrimBlanks(text.substr(0, comma));
        if (code.empty()) {
            return std::nullopt;
        }
        regions.emplace_back(code);
        if (comma == std::string_view::npos) {
            return regions;
        }
        text.remove_prefix(comma + 1);
    }
}

std::string FormatRegionList(const std::vector<std::string>& regions) {
    std::string text;
    for (const std::string& code : regions) {
        if (!text.empty()) {
            text += ',';
        }
        text += code;
    }
    return text;
}

}  // namespace tembrel::holidays
