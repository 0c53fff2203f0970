#include "core/today.h"

#include <ctime>
#include <optional>

#include "core/calendar_binding.h"

namespace tembrel {

namespace {

// The fixed date, when one is set; the user interface runs on one thread.
std::optional<LocalDate> fixedToday;

LocalDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

int32_t TodayJDN() {
    const LocalDate today = fixedToday.value_or(SystemToday());
    CalDate date{};
    date.year = today.year;
    date.month = today.month;
    date.day = today.day;
    date.marker = kMarkerGregorian;
    return EuroDateToJDN(date);
}

int16_t TodayDayOfWeek(CalendarCode cal) {
    if (cal == CalendarCode::AN) {
        CalDate date{};
        date.jdn = TodayJDN();
        return static_cast<int16_t>(jdn_to_annus_novus_date(&date));
    }
    return DayOfWeek(TodayJDN());
}

void SetFixedToday(const LocalDate& date) {
    fixedToday = date;
}

void UseSystemToday() {
    fixedToday.reset();
}

ScopedToday::ScopedToday(const LocalDate& date)
    : hadFixed_(fixedToday.has_value()), previous_(fixedToday.value_or(LocalDate{})) {
    fixedToday = date;
}

ScopedToday::~ScopedToday() {
    if (hadFixed_) {
        fixedToday = previous_;
    } else {
        fixedToday.reset();
    }
}

}  // namespace tembrel
