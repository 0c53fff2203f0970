#include "settings/settings_file.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "core/number_text.h"
#include "settings/atomic_file.h"
#include "settings/capped_read.h"

namespace tembrel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Reads an optional sign and the digits after it from the start of `text`,
// advancing past them. Gives nothing when no digit follows, or when the number
// does not fit 32 bits (then `overflow` is set).
std::optional<int32_t> TakeNumber(std::string_view& text, bool& overflow) {
    const LeadingNumber number = ReadLeadingNumber(text);
    if (number.length == 0) {
        return std::nullopt;
    }
    if (number.value < INT32_MIN || number.value > INT32_MAX) {
        overflow = true;
        return std::nullopt;
    }
    text.remove_prefix(number.length);
    return static_cast<int32_t>(number.value);
}

// Parses a line of exactly `values.size()` integers separated by commas.
bool ParseIntegerLine(std::string_view line, std::span<int32_t> values) {
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            if (line.empty() || line.front() != ',') {
                return false;
            }
            line.remove_prefix(1);
        }
        line = TrimBlanks(line);
        bool overflow = false;
        const std::optional<int32_t> value = TakeNumber(line, overflow);
        if (!value) {
            return false;
        }
        values[i] = *value;
        line = TrimBlanks(line);
    }
    return line.empty();
}

// The number at the start of a text (after blanks), or 0 when it has none.
// Gives nothing for a number beyond 32 bits.
std::optional<int32_t> LeadingNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool overflow = false;
    const std::optional<int32_t> value = TakeNumber(text, overflow);
    if (overflow) {
        return std::nullopt;
    }
    return value.value_or(0);
}

// Walks through the file's text line by line and text by text.
class SettingsTextReader {
  public:
    explicit SettingsTextReader(std::string_view text) : rest_(text) {}

    // Takes the next line without its line end (LF or CR LF); false after the
    // last line.
    bool NextLine(std::string_view& line) {
        if (rest_.empty()) {
            return false;
        }
        const size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return true;
    }

    // Takes the next text: from an opening double quote to the next one, across
    // line ends, ignoring the rest of the closing quote's line; or, without an
    // opening quote, the next line without surrounding blanks. False at the end
    // of the text or when the quote never closes.
    bool NextText(std::string& text) {
        const std::string_view start = rest_;
        std::string_view line;
        if (!NextLine(line)) {
            return false;
        }
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() != '"') {
            text = trimmed;
            return true;
        }
        const size_t open = start.find('"');
        const size_t close = start.find('"', open + 1);
        if (close == std::string_view::npos) {
            return false;
        }
        text = start.substr(open + 1, close - open - 1);
        rest_ = start.substr(close + 1);
        std::string_view ignored;
        NextLine(ignored);
        return true;
    }

  private:
    std::string_view rest_;
};

// Reads lines 1 to 14 into `s`; false on any fault.
bool ParseFirstFourteenLines(SettingsTextReader& reader, UserSettings& s) {
    std::string_view line;
    std::array<int32_t, 3> values{};
    if (!reader.NextLine(line) || !ParseIntegerLine(line, std::span(values).first(1))) {
        return false;
    }
    s.language = values[0];
    if (!reader.NextLine(line) || !ParseIntegerLine(line, values)) {
        return false;
    }
    s.dateOrder = values[0];
    s.dateSeparator = values[1];
    s.thousandsSeparator = values[2];
    if (!reader.NextLine(line) || !ParseIntegerLine(line, values)) {
        return false;
    }
    s.todayCalendar = values[0];
    s.firstDateCalendar = values[1];
    s.secondDateCalendar = values[2];

    std::string text;
    for (int32_t* check : {&s.chkIncludeFirstDate, &s.chkIncludeWeekends, &s.chkVerbose,
                           &s.chkHyphen, &s.chkSaveOutput}) {
        if (!reader.NextText(text)) {
            return false;
        }
        const std::optional<int32_t> value = LeadingNumber(text);
        if (!value) {
            return false;
        }
        *check = *value;
    }
    for (std::string* target : {&s.monthFirstDayOfWeek, &s.monthCalendar, &s.firstDate, &s.dateDiff,
                                &s.secondDate, &s.output}) {
        if (!reader.NextText(*target)) {
            return false;
        }
    }
    return true;
}

// Returns a text as it can be stored between double quotes: a double quote
// becomes a single quote, a NUL character is dropped.
std::string StorableText(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    for (const char c : text) {
        if (c == '"') {
            stored += '\'';
        } else if (c != '\0') {
            stored += c;
        }
    }
    return stored;
}

// Drops the oldest lines of `output` until it is at most `budget` bytes long;
// what stays begins a line. Empty when no line end allows a cut.
void KeepNewestLines(std::string& output, size_t budget) {
    if (output.size() <= budget) {
        return;
    }
    const size_t excess = output.size() - budget;
    const size_t lineEnd = output.find('\n', excess - 1);
    if (lineEnd == std::string::npos) {
        output.clear();
    } else {
        output.erase(0, lineEnd + 1);
    }
}

std::string ComposeText(const UserSettings& s) {
    std::string text;
    const auto number = [&text](int32_t value) { text += std::to_string(value); };
    const auto numberLine = [&](std::initializer_list<int32_t> values) {
        bool first = true;
        for (const int32_t value : values) {
            if (!first) {
                text += ',';
            }
            number(value);
            first = false;
        }
        text += kLineEnd;
    };
    const auto textLine = [&text](std::string_view value) {
        text += '"';
        text += value;
        text += '"';
        text += kLineEnd;
    };
    numberLine({s.language});
    numberLine({s.dateOrder, s.dateSeparator, s.thousandsSeparator});
    numberLine({s.todayCalendar, s.firstDateCalendar, s.secondDateCalendar});
    for (const int32_t check : {s.chkIncludeFirstDate, s.chkIncludeWeekends, s.chkVerbose,
                                s.chkHyphen, s.chkSaveOutput}) {
        numberLine({check});
    }
    textLine(s.monthFirstDayOfWeek == "Mon" ? "Mon" : "Sun");
    textLine(s.monthCalendar == "JC" ? "JC" : "CE");
    for (const std::string* field : {&s.firstDate, &s.dateDiff, &s.secondDate, &s.output}) {
        textLine(*field);
    }
    numberLine({s.differenceUnit});
    return text;
}

}  // namespace

std::string SettingsFileText(const UserSettings& settings) {
    UserSettings stored = settings;
    for (std::string* field :
         {&stored.firstDate, &stored.dateDiff, &stored.secondDate, &stored.output}) {
        *field = StorableText(*field);
    }
    std::string text = ComposeText(stored);
    if (text.size() > kMaxSettingsFileBytes) {
        const size_t others = text.size() - stored.output.size();
        if (others > kMaxSettingsFileBytes) {
            stored.firstDate.clear();
            stored.dateDiff.clear();
            stored.secondDate.clear();
            stored.output.clear();
        } else {
            KeepNewestLines(stored.output, kMaxSettingsFileBytes - others);
        }
        text = ComposeText(stored);
    }
    return text;
}

SettingsReadResult ParseSettingsText(std::string_view text) {
    SettingsReadResult result;
    if (text.size() > kMaxSettingsFileBytes || text.find('\0') != std::string_view::npos) {
        result.status = SettingsReadStatus::Damaged;
        return result;
    }
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    SettingsTextReader reader(text);
    UserSettings read;
    if (!ParseFirstFourteenLines(reader, read)) {
        result.status = SettingsReadStatus::Damaged;
        return result;
    }
    std::string_view line;
    std::array<int32_t, 1> unit{};
    if (reader.NextLine(line) && ParseIntegerLine(line, unit)) {
        read.differenceUnit = unit[0];
        result.status = SettingsReadStatus::Read;
    } else {
        read.differenceUnit = 0;
        result.status = SettingsReadStatus::ReadWithoutUnit;
    }
    result.settings = std::move(read);
    return result;
}

SettingsReadResult ReadSettingsFile(const std::filesystem::path& path) {
    std::string bytes;
    const SettingsReadStatus status = ReadFileCapped(path, kMaxSettingsFileBytes, bytes);
    if (status != SettingsReadStatus::Read) {
        SettingsReadResult result;
        result.status = status;
        return result;
    }
    return ParseSettingsText(bytes);
}

bool WriteSettingsFile(const std::filesystem::path& path, const UserSettings& settings) {
    return WriteComposedFileAtomically(path, [&settings] { return SettingsFileText(settings); });
}

}  // namespace tembrel
