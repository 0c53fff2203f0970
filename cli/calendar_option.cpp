#include "cli/calendar_option.h"

#include <sstream>
#include <vector>

#include "core/notation_table.h"

namespace tembrel::cli {

namespace {

// The codes as a list in words: "CE, JC, ... or XLS", one item per entry.
std::vector<std::string> CodeItems() {
    const std::vector<CalendarCode> codes = ListedNotations();
    std::vector<std::string> items;
    for (size_t i = 0; i < codes.size(); ++i) {
        std::string item(CalCodeText(codes[i]));
        if (i + 2 < codes.size()) {
            item += ',';
        } else if (i + 2 == codes.size()) {
            item += " or";
        }
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

std::optional<CalendarCode> CalendarOption(std::string_view value) {
    const std::optional<CalendarCode> cal = CalendarCodeFromText(value);
    if (!cal || !NotationOf(*cal).listed) {
        return std::nullopt;
    }
    return cal;
}

std::string CalendarRefusal(std::string_view option) {
    std::string text(option);
    text += " takes";
    for (const std::string& item : CodeItems()) {
        text += ' ';
        text += item;
    }
    return text;
}

std::string CalendarCodeLines(std::string_view after, size_t firstWidth, size_t width,
                              size_t indent) {
    std::vector<std::string> words = CodeItems();
    std::istringstream afterWords{std::string(after)};
    for (std::string word; afterWords >> word;) {
        words.push_back(word);
    }
    std::string text;
    size_t lineWidth = 0;
    size_t limit = firstWidth;
    for (const std::string& item : words) {
        if (lineWidth > 0 && lineWidth + 1 + item.size() > limit) {
            text += '\n';
            text.append(indent, ' ');
            lineWidth = indent;
            limit = width;
        } else if (lineWidth > 0) {
            text += ' ';
            ++lineWidth;
        }
        text += item;
        lineWidth += item.size();
    }
    return text;
}

}  // namespace tembrel::cli
