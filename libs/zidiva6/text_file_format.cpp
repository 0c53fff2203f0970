#include "libs/zidiva6/text_file_format.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <system_error>

#include "libs/zidiva6/utf8.h"

namespace tembrel::zidiva6 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kCommentMark = '#';
constexpr std::string_view kLineBreak = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Returns true when a line holds a control character other than tab.
bool HasControlCharacter(std::string_view line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

struct EntryKey {
    int32_t number = 0;
    int32_t language = 0;
};

// Reads "<number>.<language>" from the front of `rest` and removes it. Answers
// nothing for a number outside 1..kMaxNumber or an unknown language tag.
std::optional<EntryKey> ReadKey(std::string_view& rest) {
    const char* const first = rest.data();
    const char* const last = first + rest.size();
    // Unsigned, so that a sign is no part of a number; a run of digits too long
    // for 32 bits is out of range like any number above kMaxNumber.
    uint32_t number = 0;
    const auto [afterDigits, error] = std::from_chars(first, last, number);
    if (afterDigits == first || error != std::errc() || number == 0 ||
        number > static_cast<uint32_t>(kMaxNumber) || afterDigits == last || *afterDigits != '.') {
        return std::nullopt;
    }
    EntryKey key;
    key.number = static_cast<int32_t>(number);  // [1, kMaxNumber]
    std::size_t i = static_cast<std::size_t>(afterDigits - first);
    const std::size_t tag_start = ++i;
    while (i < rest.size() && rest[i] >= 'a' && rest[i] <= 'z') {
        ++i;
    }
    const std::string_view tag = rest.substr(tag_start, i - tag_start);
    for (int32_t slot = 0; slot < kLanguageCount; ++slot) {
        if (kLanguageTags[static_cast<std::size_t>(slot)] == tag) {
            key.language = slot;
            rest.remove_prefix(i);
            return key;
        }
    }
    return std::nullopt;
}

enum class UnescapeResult { Ok, BadEscape, TooLong };

// Replaces the escapes of `raw` into `text`, stopping as soon as the text is
// longer than kMaxTextBytes.
UnescapeResult Unescape(std::string_view raw, std::string& text) {
    text.clear();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            text += raw[i];
        } else if (i + 1 == raw.size()) {
            return UnescapeResult::BadEscape;
        } else if (raw[++i] == 'n') {
            text += kLineBreak;
        } else if (raw[i] == '\\') {
            text += '\\';
        } else {
            return UnescapeResult::BadEscape;
        }
        if (text.size() > static_cast<std::size_t>(kMaxTextBytes)) {
            return UnescapeResult::TooLong;
        }
    }
    return UnescapeResult::Ok;
}

// Takes the next line from the front of `bytes`, without its LF or CR LF.
std::string_view TakeLine(std::string_view& bytes) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

LoadOutcome ParseTextFile(std::string_view bytes, TextMap& texts) {
    texts.clear();
    if (bytes.size() > static_cast<std::size_t>(kMaxFileBytes)) {
        return {LoadStatus::TooMuchText, 0};
    }
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    if (bytes.empty()) {
        return {LoadStatus::Empty, 0};
    }
    std::string text;
    // At most kMaxLineNumber lines, since the file holds at most kMaxFileBytes.
    for (int32_t line_number = 1; !bytes.empty(); ++line_number) {
        const std::string_view line = TakeLine(bytes);
        if (!IsWellFormedUtf8(line) || HasControlCharacter(line)) {
            return {LoadStatus::InvalidText, line_number};
        }
        std::string_view rest = Trim(line);
        if (rest.empty() || rest.front() == kCommentMark) {
            continue;
        }
        const std::optional<EntryKey> key = ReadKey(rest);
        if (!key) {
            return {LoadStatus::MalformedLine, line_number};
        }
        rest = TrimLeft(rest);
        if (rest.empty()) {
            return {LoadStatus::MissingString, line_number};
        }
        if (rest.front() != '=') {
            return {LoadStatus::MalformedLine, line_number};
        }
        rest = Trim(rest.substr(1));
        if (rest.empty()) {
            return {LoadStatus::MissingString, line_number};
        }
        switch (Unescape(rest, text)) {
            case UnescapeResult::Ok:
                break;
            case UnescapeResult::BadEscape:
                return {LoadStatus::MalformedLine, line_number};
            case UnescapeResult::TooLong:
                return {LoadStatus::StringTooLong, line_number};
        }
        if (!texts.try_emplace(TextKey(key->number, key->language), text).second) {
            return {LoadStatus::Duplicate, line_number};
        }
    }
    if (texts.empty()) {
        return {LoadStatus::NoText, 0};
    }
    return {LoadStatus::Loaded, static_cast<int32_t>(texts.size())};  // <= kMaxLineNumber
}

}  // namespace tembrel::zidiva6
