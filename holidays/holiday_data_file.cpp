#include "holidays/holiday_data_file.h"

#include <array>
#include <unordered_map>
#include <vector>

#include "core/number_text.h"
#include "holidays/text_scan.h"

namespace tembrel::holidays {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"jan", "feb", "mar", "apr", "may", "jun",
                                                          "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr std::array<std::string_view, 4> kOrdinals = {"1st", "2nd", "3rd", "4th"};

using LineResult = std::optional<LineProblem>;  // empty: the line was read

LineResult Problem(FileProblem problem, std::string_view detail) {
    return LineProblem{problem, std::string(detail)};
}

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "DE", "DE-BY", "GB-SCT": two capital letters, then optionally "-" and one to
// three capitals or digits.
bool IsRegionCode(std::string_view code) {
    if (code.size() < 2 || !IsUpper(code[0]) || !IsUpper(code[1])) {
        return false;
    }
    if (code.size() == 2) {
        return true;
    }
    if (code[2] != '-' || code.size() < 4 || code.size() > 6) {
        return false;
    }
    for (const char c : code.substr(3)) {
        if (!IsUpper(c) && !IsDigit(c)) {
            return false;
        }
    }
    return true;
}

// "uk-royal": a small letter, then small letters, digits and hyphens.
bool IsGroupName(std::string_view name) {
    if (name.empty() || name[0] < 'a' || name[0] > 'z') {
        return false;
    }
    for (const char c : name) {
        if (!(c >= 'a' && c <= 'z') && !IsDigit(c) && c != '-') {
            return false;
        }
    }
    return true;
}

int MonthOfName(std::string_view text) {
    for (size_t i = 0; i < kMonthNames.size(); ++i) {
        if (EqualsIgnoringCase(text, kMonthNames[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

// Reads "mm-dd" of a day that exists in some year (29 February included).
bool ReadMonthDay(std::string_view text, int8_t& month, int8_t& day) {
    if (text.size() != 5 || text[2] != '-' || !IsDigit(text[0]) || !IsDigit(text[1]) ||
        !IsDigit(text[3]) || !IsDigit(text[4])) {
        return false;
    }
    const auto m = static_cast<int>(*WholeNumberOf(text.substr(0, 2)));  // two digits: [0, 99]
    const auto d = static_cast<int>(*WholeNumberOf(text.substr(3, 2)));
    if (m < 1 || m > 12 || d < 1 || d > DaysInGregorianMonth(2000, m)) {
        return false;
    }
    month = static_cast<int8_t>(m);
    day = static_cast<int8_t>(d);
    return true;
}

// Reads the words that name the day of a holiday, from the front of `words`.
LineResult ReadDay(std::vector<std::string_view>& words, HolidayRule& rule) {
    const std::string_view first = words.front();
    size_t used = 1;
    const auto isWord = [&](size_t i, std::string_view word) {
        return i < words.size() && EqualsIgnoringCase(words[i], word);
    };
    if (ReadMonthDay(first, rule.month, rule.day)) {
        rule.anchor = RuleAnchor::Date;
    } else if (const std::optional<IsoDate> date = ReadIsoDate(first)) {
        rule.anchor = RuleAnchor::Date;
        rule.month = static_cast<int8_t>(date->month);
        rule.day = static_cast<int8_t>(date->day);
        rule.years = {{date->year, date->year}};
    } else if (first.starts_with("easter") || first.starts_with("orthodox")) {
        const bool western = first.starts_with("easter");
        rule.anchor = western ? RuleAnchor::WesternEaster : RuleAnchor::OrthodoxEaster;
        const std::string_view offset = first.substr(western ? 6 : 8);
        if (!offset.empty()) {
            const std::optional<int32_t> days = ReadWholeNumber(offset, 1000);
            if (!days || (offset[0] != '+' && offset[0] != '-') || *days < kMinEasterOffset ||
                *days > kMaxEasterOffset) {
                return Problem(FileProblem::BadDay, first);
            }
            rule.offset = static_cast<int16_t>(*days);
        }
    } else if (WeekdayOfAbbreviation(first) >= 0 && (isWord(1, "before") || isWord(1, "after"))) {
        rule.anchor = isWord(1, "before") ? RuleAnchor::WeekdayBefore : RuleAnchor::WeekdayAfter;
        rule.weekday = static_cast<int8_t>(WeekdayOfAbbreviation(first));
        if (words.size() < 3 || !ReadMonthDay(words[2], rule.month, rule.day)) {
            return Problem(FileProblem::BadDay, words.size() < 3 ? first : words[2]);
        }
        used = 3;
    } else {
        size_t ordinal = 0;
        while (ordinal < kOrdinals.size() && !EqualsIgnoringCase(first, kOrdinals[ordinal])) {
            ++ordinal;
        }
        const bool last = EqualsIgnoringCase(first, "last");
        if (ordinal == kOrdinals.size() && !last) {
            return Problem(FileProblem::BadDay, first);
        }
        const int weekday = words.size() > 1 ? WeekdayOfAbbreviation(words[1]) : -1;
        const int month = words.size() > 3 ? MonthOfName(words[3]) : 0;
        if (weekday < 0 || !isWord(2, "of") || month == 0) {
            return Problem(FileProblem::BadDay, first);
        }
        rule.anchor = last ? RuleAnchor::LastWeekday : RuleAnchor::NthWeekday;
        rule.nth = static_cast<int8_t>(ordinal + 1);
        rule.weekday = static_cast<int8_t>(weekday);
        rule.month = static_cast<int8_t>(month);
        used = 4;
    }
    words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(used));
    return std::nullopt;
}

std::optional<int32_t> ReadRuleYear(std::string_view text) {
    const std::optional<int32_t> year = ReadWholeNumber(text, kLastRuleYear);
    if (!year || text[0] == '+' || text[0] == '-' || *year < kFirstRuleYear) {
        return std::nullopt;
    }
    return year;
}

// Reads "1990..", "..1994", "1990..1994", "2017" and lists of them separated by
// commas, in increasing order without overlap.
bool ReadYears(std::string_view text, std::vector<YearSpan>& years) {
    while (true) {
        const size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const bool isFirst = years.empty();
        const bool isLast = comma == std::string_view::npos;
        YearSpan span;
        const size_t dots = item.find("..");
        if (dots == std::string_view::npos) {
            const std::optional<int32_t> year = ReadRuleYear(item);
            if (!year) {
                return false;
            }
            span = {*year, *year};
        } else {
            const std::string_view from = item.substr(0, dots);
            const std::string_view to = item.substr(dots + 2);
            const std::optional<int32_t> first = ReadRuleYear(from);
            const std::optional<int32_t> last = ReadRuleYear(to);
            if ((from.empty() ? !isFirst : !first) || (to.empty() ? !isLast : !last) ||
                (from.empty() && to.empty())) {
                return false;
            }
            span = {from.empty() ? kOpenStart : *first, to.empty() ? kOpenEnd : *last};
        }
        if (span.first > span.last || (!isFirst && span.first <= years.back().last)) {
            return false;
        }
        years.push_back(span);
        if (isLast) {
            return true;
        }
        text.remove_prefix(comma + 1);
    }
}

// Reads "sat:-1", "sun:+1", "sun:next" into the moves.
bool ReadMove(std::string_view text, WeekdayMoves& moves) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const int weekday = WeekdayOfAbbreviation(text.substr(0, colon));
    const std::string_view target = text.substr(colon + 1);
    if (weekday < 0 || moves.shift[static_cast<size_t>(weekday)] != WeekdayMoves::kStay) {
        return false;
    }
    int8_t shift = WeekdayMoves::kNextFreeWeekday;
    if (!EqualsIgnoringCase(target, "next")) {
        const std::optional<int32_t> days = ReadWholeNumber(target, kMaxShift);
        if (!days || *days == 0 || (target[0] != '+' && target[0] != '-')) {
            return false;
        }
        shift = static_cast<int8_t>(*days);
    }
    moves.shift[static_cast<size_t>(weekday)] = shift;
    return true;
}

bool IsEasterAnchor(RuleAnchor anchor) {
    return anchor == RuleAnchor::WesternEaster || anchor == RuleAnchor::OrthodoxEaster;
}

// Reads "<day> [<offset>] [<years>] [observed] [<moves>]".
LineResult ReadRule(std::string_view ruleText, HolidayRule& rule) {
    std::vector<std::string_view> words;
    for (std::string_view word = TakeWord(ruleText); !word.empty(); word = TakeWord(ruleText)) {
        words.push_back(word);
    }
    if (words.empty()) {
        return Problem(FileProblem::BadDay, "");
    }
    if (LineResult problem = ReadDay(words, rule)) {
        return problem;
    }
    const bool oneYear = !rule.years.empty();
    bool hasOffset = IsEasterAnchor(rule.anchor);
    for (const std::string_view word : words) {
        if (word[0] == '+' || word[0] == '-') {
            const std::optional<int32_t> days = ReadWholeNumber(word, kMaxDateOffset);
            if (hasOffset || !days) {
                return Problem(FileProblem::BadDay, word);
            }
            rule.offset = static_cast<int16_t>(*days);
            hasOffset = true;
        } else if (IsDigit(word[0]) || word[0] == '.') {
            if (oneYear || !rule.years.empty() || !ReadYears(word, rule.years)) {
                return Problem(FileProblem::BadYears, word);
            }
        } else if (EqualsIgnoringCase(word, "observed")) {
            rule.moves.observed = true;
        } else if (!ReadMove(word, rule.moves)) {
            return Problem(FileProblem::BadMove, word);
        }
    }
    if (rule.moves.observed && !rule.moves.Any()) {
        return Problem(FileProblem::BadMove, "observed");
    }
    return std::nullopt;
}

// Reads "English | German" (both not empty).
LineResult ReadNames(std::string_view text, HolidayName& name) {
    const size_t bar = text.find('|');
    if (bar == std::string_view::npos || text.find('|', bar + 1) != std::string_view::npos) {
        return Problem(FileProblem::BadName, TrimBlanks(text));
    }
    name.english = TrimBlanks(text.substr(0, bar));
    name.german = TrimBlanks(text.substr(bar + 1));
    if (name.english.empty() || name.german.empty()) {
        return Problem(FileProblem::BadName, TrimBlanks(text));
    }
    return std::nullopt;
}

class Parser {
  public:
    LineResult ReadLine(std::string_view line, int32_t lineNumber) {
        std::string_view rest = TrimBlanks(line);
        if (rest.empty() || rest.front() == '#') {
            return std::nullopt;
        }
        const std::string_view keyword = TakeWord(rest);
        if (keyword == "region") {
            return ReadRegion(rest);
        }
        if (keyword == "group") {
            return StartEntry(TrimBlanks(rest), true);
        }
        if (keyword == "include") {
            const std::string_view target = TrimBlanks(rest);
            if (entries_.empty()) {
                return Problem(FileProblem::OutsideRegion, target);
            }
            entries_.back().includes.emplace_back(target);
            includeLines_.back().push_back(lineNumber);
            return std::nullopt;
        }
        return ReadHoliday(TrimBlanks(line));
    }

    // Checks the includes once every region is known: each names a region or
    // group of the file, and no region includes itself. Returns the line of the
    // first problem found, or 0. Linear in the number of regions and includes.
    int32_t CheckIncludes(LineProblem& problem) const {
        std::vector<std::vector<size_t>> targets(entries_.size());
        for (size_t entry = 0; entry < entries_.size(); ++entry) {
            for (size_t i = 0; i < entries_[entry].includes.size(); ++i) {
                const std::string& include = entries_[entry].includes[i];
                const auto found = index_.find(include);
                if (found == index_.end()) {
                    problem = {FileProblem::UnknownInclude, include};
                    return includeLines_[entry][i];
                }
                targets[entry].push_back(found->second);
            }
        }
        // Depth-first search with three colours: an include that leads back to a
        // region still being searched closes a cycle.
        enum class Colour : uint8_t { Unseen, Open, Done };
        std::vector<Colour> colour(entries_.size(), Colour::Unseen);
        struct Frame {
            size_t entry;
            size_t next;
        };
        for (size_t root = 0; root < entries_.size(); ++root) {
            if (colour[root] != Colour::Unseen) {
                continue;
            }
            std::vector<Frame> stack{{root, 0}};
            colour[root] = Colour::Open;
            while (!stack.empty()) {
                Frame& frame = stack.back();
                if (frame.next == targets[frame.entry].size()) {
                    colour[frame.entry] = Colour::Done;
                    stack.pop_back();
                    continue;
                }
                const size_t i = frame.next++;
                const size_t target = targets[frame.entry][i];
                if (colour[target] == Colour::Open) {
                    problem = {FileProblem::IncludeCycle, entries_[target].code};
                    return includeLines_[frame.entry][i];
                }
                if (colour[target] == Colour::Unseen) {
                    colour[target] = Colour::Open;
                    stack.push_back({target, 0});
                }
            }
        }
        return 0;
    }

    std::vector<RegionEntry> TakeEntries() { return std::move(entries_); }

  private:
    LineResult ReadRegion(std::string_view rest) {
        const size_t equals = rest.find('=');
        const std::string_view code = TrimBlanks(rest.substr(0, equals));
        if (LineResult problem = StartEntry(code, false)) {
            return problem;
        }
        if (equals == std::string_view::npos) {
            return Problem(FileProblem::BadName, code);
        }
        return ReadNames(rest.substr(equals + 1), entries_.back().name);
    }

    LineResult StartEntry(std::string_view code, bool isGroup) {
        if (isGroup ? !IsGroupName(code) : !IsRegionCode(code)) {
            return Problem(FileProblem::BadRegionCode, code);
        }
        if (!index_.emplace(std::string(code), entries_.size()).second) {
            return Problem(FileProblem::DuplicateRegion, code);
        }
        RegionEntry entry;
        entry.code = code;
        entry.own.code = code;
        entry.isGroup = isGroup;
        entries_.push_back(std::move(entry));
        includeLines_.emplace_back();
        return std::nullopt;
    }

    LineResult ReadHoliday(std::string_view line) {
        const size_t equals = line.find('=');
        if (entries_.empty()) {
            return Problem(FileProblem::OutsideRegion, line);
        }
        if (equals == std::string_view::npos) {
            return Problem(FileProblem::BadName, line);
        }
        HolidayRule rule;
        if (LineResult problem = ReadRule(line.substr(0, equals), rule)) {
            return problem;
        }
        HolidayName name;
        if (LineResult problem = ReadNames(line.substr(equals + 1), name)) {
            return problem;
        }
        entries_.back().own.rules.push_back(std::move(rule));
        entries_.back().own.names.push_back(std::move(name));
        return std::nullopt;
    }

    std::vector<RegionEntry> entries_;
    std::vector<std::vector<int32_t>> includeLines_;  // per entry, the line of each include
    std::unordered_map<std::string, size_t> index_;   // entry of each code
};

}  // namespace

std::optional<HolidayData> ParseHolidayData(std::string_view bytes, std::string_view fileName,
                                            FileError& error) {
    error = FileError{std::string(fileName), 0, FileProblem::NoRegion, ""};
    if (bytes.size() > kMaxHolidayDataBytes) {
        error.problem = FileProblem::TooLarge;
        return std::nullopt;
    }
    Parser parser;
    if (!ReadTextLines(bytes, error, [&](std::string_view line, int32_t lineNumber) {
            return parser.ReadLine(line, lineNumber);
        })) {
        return std::nullopt;
    }
    LineProblem problem{FileProblem::NoRegion, ""};
    error.line = parser.CheckIncludes(problem);
    if (error.line != 0) {
        error.problem = problem.problem;
        error.detail = problem.detail;
        return std::nullopt;
    }
    HolidayData data(parser.TakeEntries());
    for (const RegionEntry& entry : data.entries()) {
        if (!entry.isGroup) {
            return data;
        }
    }
    error.line = 0;
    error.problem = FileProblem::NoRegion;
    return std::nullopt;
}

std::optional<HolidayData> LoadHolidayData(const std::filesystem::path& path, FileError& error) {
    std::string bytes;
    const std::string fileName = path.filename().string();
    switch (ReadWholeFile(path, kMaxHolidayDataBytes, bytes)) {
        case ReadStatus::Ok:
            return ParseHolidayData(bytes, fileName, error);
        case ReadStatus::CannotOpen:
            error = {fileName, 0, FileProblem::CannotOpen, ""};
            return std::nullopt;
        case ReadStatus::TooLarge:
            error = {fileName, 0, FileProblem::TooLarge, ""};
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace tembrel::holidays
