#include "settings/working_days_file.h"

#include "holidays/text_scan.h"
#include "settings/atomic_file.h"
#include "settings/capped_read.h"

namespace tembrel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "# Tembrel: the working days of the window";
constexpr std::string_view kWeekendKey = "weekend";
constexpr std::string_view kRegionsKey = "regions";
constexpr std::string_view kHolidayFileKey = "holiday-file";
constexpr std::string_view kWorkdayFileKey = "workday-file";

void AppendLine(std::string& text, std::string_view key, std::string_view value) {
    text += key;
    text += '=';
    text += value;
    text += kLineEnd;
}

void AppendFileLines(std::string& text, std::string_view key,
                     const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        if (file.find_first_of("\r\n") == std::string::npos) {
            AppendLine(text, key, file);
        }
    }
}

}  // namespace

std::string WorkingDaysFileText(const holidays::WorkingDaysChoice& choice) {
    std::string text(kHeader);
    text += kLineEnd;
    AppendLine(text, kWeekendKey, holidays::FormatWeekend(choice.weekend));
    AppendLine(text, kRegionsKey, holidays::FormatRegionList(choice.regions));
    AppendFileLines(text, kHolidayFileKey, choice.holidayFiles);
    AppendFileLines(text, kWorkdayFileKey, choice.workdayFiles);
    return text;
}

std::optional<holidays::WorkingDaysChoice> ParseWorkingDaysText(std::string_view text) {
    if (text.size() > kMaxWorkingDaysFileBytes || text.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    holidays::WorkingDaysChoice choice;
    while (!text.empty()) {
        const std::string_view line = holidays::TakeLine(text);
        if (holidays::TrimBlanks(line).empty() || line.starts_with('#')) {
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == kWeekendKey) {
            const std::optional<holidays::Weekend> weekend = holidays::ParseWeekend(value);
            if (!weekend) {
                return std::nullopt;
            }
            choice.weekend = *weekend;
        } else if (key == kRegionsKey) {
            std::optional<std::vector<std::string>> regions;
            if (!holidays::TrimBlanks(value).empty() &&
                !(regions = holidays::ParseRegionList(value))) {
                return std::nullopt;
            }
            choice.regions = regions.value_or(std::vector<std::string>{});
        } else if (key == kHolidayFileKey || key == kWorkdayFileKey) {
            if (value.empty()) {
                return std::nullopt;
            }
            (key == kHolidayFileKey ? choice.holidayFiles : choice.workdayFiles)
                .emplace_back(value);
        }
    }
    return choice;
}

WorkingDaysReadResult ReadWorkingDaysFile(const std::filesystem::path& path) {
    WorkingDaysReadResult result;
    std::string bytes;
    result.status = ReadFileCapped(path, kMaxWorkingDaysFileBytes, bytes);
    if (result.status != SettingsReadStatus::Read) {
        return result;
    }
    if (std::optional<holidays::WorkingDaysChoice> choice = ParseWorkingDaysText(bytes)) {
        result.choice = std::move(*choice);
    } else {
        result.status = SettingsReadStatus::Damaged;
    }
    return result;
}

bool WriteWorkingDaysFile(const std::filesystem::path& path,
                          const holidays::WorkingDaysChoice& choice) {
    return WriteComposedFileAtomically(path, [&choice] { return WorkingDaysFileText(choice); });
}

}  // namespace tembrel
