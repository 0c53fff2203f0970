// Readable failure messages for the calendar records: GoogleTest prints a
// value through the PrintTo found next to its type.
#pragma once

#include <ostream>

#include "core/calendars/calendar_date.h"
#include "core/calendars/chinese.h"
#include "core/calendars/maya.h"

namespace tembrel {

inline void PrintTo(const YmdDate& date, std::ostream* out) {
    *out << date.year << '-' << date.month << '-' << date.day;
}

inline void PrintTo(const ChineseDate& date, std::ostream* out) {
    *out << date.cycle << '-' << date.year << '-' << date.month << (date.leap ? "L" : "") << '-'
         << date.day;
}

inline void PrintTo(const MayaLongCount& count, std::ostream* out) {
    *out << count.baktun << '.' << count.katun << '.' << count.tun << '.' << count.uinal << '.'
         << count.kin;
}

inline void PrintTo(DateCheck check, std::ostream* out) {
    static constexpr const char* kNames[] = {"Valid",           "NoSuchMonth", "NoSuchDay",
                                             "NoSuchLeapMonth", "NoSuchPlace", "NoSuchCycleYear",
                                             "PhantomDay",      "OutOfRange"};
    *out << kNames[static_cast<int>(check)];
}

}  // namespace tembrel
