#include "core/today.h"

#include <ctime>

#include "core/calendar_binding.h"

namespace tembrel {

int32_t SystemTodayJDN() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    CalDate date{};
    date.year = local.tm_year + 1900;
    date.month = local.tm_mon + 1;
    date.day = local.tm_mday;
    date.marker = kMarkerGregorian;
    // A clock beyond every calendar gives the library's "no day", which lies
    // outside the accepted range and so is never taken for a date.
    return JDNOfCalDate(date).value_or(kRoroviriNoJdn);
}

}  // namespace tembrel
