// What one computation gives back: the report for the output, the texts the three
// input fields hold afterwards, the dates and the difference in numbers, and the
// one message to show when something was refused. The window shows it; the
// command line prints it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tembrel {

// The three input fields, in their order on the screen.
enum class InputField : uint8_t { FirstDate, Difference, SecondDate };

// What was computed.
enum class ComputeKind : uint8_t {
    None,            // nothing: only a difference, or a refusal before any date
    Conversion,      // a lone date into the other date's calendar
    DaysBetween,     // the days from the first date to the second
    DateFromDays,    // a date plus or minus days
    DateFromMonths,  // a date plus or minus calendar months
};

// The message a computation shows, at most one. Each names the field it is about,
// where there is one.
enum class ComputeMessage : uint8_t {
    None,
    DifferenceMustBeEmpty,  // all three fields filled: one must be emptied first
    FirstDateInvalid,
    FirstDateOutOfRange,
    DifferenceInvalid,
    DifferenceOutOfRange,
    SecondDateInvalid,
    SecondDateOutOfRange,
    ResultOutOfRange,
    // Months refused: two dates (the unit has switched to days), two calendars, or
    // a calendar without months.
    MonthsNeedOneDate,
    MonthsCalendarsDiffer,
    MonthsCalendarWithoutMonths,
};

// The years, months or weeks, and days a positive day count breaks into.
struct Breakdown {
    bool shown = false;
    int32_t years = 0;
    int16_t months = 0;
    int16_t weeks = 0;
    int16_t days = 0;
};

struct ComputeResult {
    ComputeKind kind = ComputeKind::None;
    ComputeMessage message = ComputeMessage::None;

    // What the output receives: the report line(s) with their line ends, or
    // nothing.
    std::string output;
    // The text each field holds afterwards: trimmed, written in its normal form
    // once it was read, or the computed date or difference.
    std::array<std::string, 3> fields;
    // Months were asked for with two dates: the unit is days from now on.
    bool switchToDays = false;

    // The dates as day numbers, each valid once read or computed.
    bool hasFirstDate = false;
    bool hasSecondDate = false;
    int32_t firstJDN = 0;
    int32_t secondJDN = 0;
    int32_t days = 0;    // the difference in days, given or counted
    int32_t months = 0;  // the difference in months (DateFromMonths)
    Breakdown breakdown;

    const std::string& Field(InputField field) const { return fields[static_cast<size_t>(field)]; }
    std::string& Field(InputField field) { return fields[static_cast<size_t>(field)]; }

    // Empties the result for the next computation, keeping its buffers.
    void Clear() {
        kind = ComputeKind::None;
        message = ComputeMessage::None;
        output.clear();
        for (std::string& field : fields) {
            field.clear();
        }
        switchToDays = hasFirstDate = hasSecondDate = false;
        firstJDN = secondJDN = days = months = 0;
        breakdown = {};
    }
};

}  // namespace tembrel
