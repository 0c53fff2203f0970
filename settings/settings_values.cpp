#include "settings/settings_values.h"

namespace tembrel {

LanguageCode LanguageFromSetting(int32_t stored) {
    return stored == 1 ? LanguageCode::German : LanguageCode::English;
}

DateOrder DateOrderFromSetting(int32_t stored) {
    switch (stored) {
        case 0:
            return DateOrder::MDY;
        case 1:
            return DateOrder::DMY;
        default:
            return DateOrder::YMD;
    }
}

std::string_view DateSeparatorFromSetting(int32_t stored) {
    switch (stored) {
        case '.':
            return ".";
        case '/':
            return "/";
        default:
            return "-";
    }
}

std::string_view ThousandsSeparatorFromSetting(int32_t stored) {
    switch (stored) {
        case 0:
            return "";
        case '.':
            return ".";
        default:
            return ",";
    }
}

int32_t SeparatorSetting(std::string_view separator) {
    return separator.empty() ? 0 : static_cast<unsigned char>(separator.front());
}

CalendarCode FieldCalendarFromSetting(int32_t stored) {
    switch (stored) {
        case static_cast<int32_t>(CalendarCode::JC):
        case static_cast<int32_t>(CalendarCode::ISO):
        case static_cast<int32_t>(CalendarCode::JDN):
        case static_cast<int32_t>(CalendarCode::ORD):
        case static_cast<int32_t>(CalendarCode::LPW):
        case static_cast<int32_t>(CalendarCode::LPM):
            return static_cast<CalendarCode>(stored);
        default:
            return CalendarCode::CE;
    }
}

CalendarCode TodayCalendarFromSetting(int32_t stored) {
    // The labels' cycle holds the same seven notations as a date field's group.
    return FieldCalendarFromSetting(stored);
}

int16_t CheckFromSetting(int32_t stored) {
    return stored == 1 ? 1 : 0;
}

bool MonthsFromSetting(int32_t stored) {
    return stored == 1;
}

}  // namespace tembrel
