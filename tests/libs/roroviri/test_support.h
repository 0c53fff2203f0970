// Small helpers shared by the calendar library's tests.
#pragma once

#include <cstdint>
#include <random>

#include "libs/roroviri/roroviri.h"
#include "tests/libs/roroviri/reference_calendar.h"

namespace roroviri_test {

inline constexpr int32_t kMinJdn = -2100000000;  // the program's accepted range
inline constexpr int32_t kMaxJdn = 2100000000;

inline CalDate MakeDate(int32_t year, int32_t month, int32_t day, char marker) {
    CalDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.marker = marker;
    return date;
}

inline char MarkerOf(Calendar calendar) {
    return calendar == Calendar::Gregorian ? 'G' : 'J';
}

// Returns the library's date of a day number.
inline Ymd LibraryDate(Calendar calendar, int32_t jdn) {
    CalDate date{};
    date.marker = MarkerOf(calendar);
    date.jdn = jdn;
    jdn_to_euro_date(&date);
    return {date.year, date.month, date.day};
}

// Returns the library's day number of a date whose fields fit in 32 bits.
inline int32_t LibraryJdn(Calendar calendar, const Ymd& ymd) {
    CalDate date = MakeDate(static_cast<int32_t>(ymd.year), static_cast<int32_t>(ymd.month),
                            static_cast<int32_t>(ymd.day), MarkerOf(calendar));
    return euro_date_to_jdn(&date);
}

// A fixed-seed generator, so that a failure repeats.
inline std::mt19937_64 SeededGenerator() {
    return std::mt19937_64{20240611};
}

}  // namespace roroviri_test
