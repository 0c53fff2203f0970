#include "compute/computation.h"
#include "compute/day_counting.h"
#include "compute/form_rules.h"
#include "core/calendar_binding.h"
#include "core/calendar_differences.h"
#include "core/date_formatting.h"
#include "core/iso_week.h"
#include "core/string_utils.h"

namespace tembrel {

namespace {

DayCountOptions CountOptions(const OptionSnapshot& options) {
    return DayCountOptions{options.intIncludeWeekends == 1, options.intIncludeFirstDate == 1};
}

// The date of a record's day number in the record's own calendar.
CalDate DateOfJDN(const CalDate& record, int32_t jdn) {
    CalDate date = record;
    date.jdn = jdn;
    JDNToCalDate(date);
    return date;
}

ISOWeekDate ISOOfJDN(int32_t jdn) {
    ISOWeekDate date;
    date.jdn = jdn;
    JDNToISOWeekDate(date);
    return date;
}

}  // namespace

bool Computation::ComputeDaysBetween() {
    ComputationState& state = form_.state;
    const std::optional<int32_t> days = CountDaysBetween(
        state.udtFirstDate.jdn, state.udtSecondDate.jdn, CountOptions(form_.options));
    if (!days) {
        ReportOutOfRange();
        return false;
    }
    state.lngDateDiff = *days;
    return true;
}

void Computation::DisplayDateDiff() {
    const OptionSnapshot& options = form_.options;
    Append(options.strFirstDateWithCal);
    Append(" ");
    Append(LowerCase(Text(TextItem::To)));
    Append(" ");
    Append(options.strSecondDateWithCal);
    Append(" = ");
    const std::string count =
        FormatWholeNumber(form_.state.lngDateDiff, form_.separators.strThousSep);
    form_.txbDateDiff.text = count;
    Append(count);
    Append(" ");
    Append(DayOrDays(form_.state.lngDateDiff));
    if (options.intVerbose == 1) {
        AppendVerboseNotes();
    }
    AppendBreakdown();
}

// Appends " (1 year, 2 months, 14 days)" when weekends are counted, the count is
// positive and both dates are in the same Common Era, Julian, ISO week or ordinal
// notation. With the first date counted, the breakdown starts the day before it,
// so that it adds up to the day count shown.
void Computation::AppendBreakdown() {
    const OptionSnapshot& options = form_.options;
    const ComputationState& state = form_.state;
    const CalendarCode cal = GetCal(form_, DateField::First);
    const bool applies = options.intIncludeWeekends == 1 && state.lngDateDiff > 0 &&
                         cal == GetCal(form_, DateField::Second) &&
                         (cal == CalendarCode::CE || cal == CalendarCode::JC ||
                          cal == CalendarCode::ISO || cal == CalendarCode::ORD);
    if (!applies) {
        return;
    }
    const int32_t firstJDN = state.udtFirstDate.jdn - (options.intIncludeFirstDate == 1 ? 1 : 0);
    int32_t years = 0;
    int16_t months = 0;
    int16_t weeks = 0;
    int16_t days = 0;
    int32_t status = kDiffNegative;
    if (cal == CalendarCode::ORD && state.lngDateDiff >= 365) {
        DiffYD(DateOfJDN(state.udtFirstDate, firstJDN), state.udtSecondDate, years, days, status);
    } else if (cal == CalendarCode::ISO && state.lngDateDiff >= 7) {
        DiffYWD(ISOOfJDN(firstJDN), ISOOfJDN(state.udtSecondDate.jdn), years, weeks, days, status);
    } else if (state.lngDateDiff >= 31) {
        DiffYMD(DateOfJDN(state.udtFirstDate, firstJDN), state.udtSecondDate, years, months, days,
                status);
    }
    if (status != kDiffValid || (years <= 0 && months <= 0 && weeks <= 0)) {
        return;
    }
    std::string parts;
    auto addPart = [&](int64_t count, TextItem singular, TextItem plural) {
        if (count <= 0) {
            return;
        }
        if (!parts.empty()) {
            parts += ", ";
        }
        parts += std::to_string(count) + " " + UnitWord(singular, plural, count);
    };
    addPart(years, TextItem::Year, TextItem::Years);
    addPart(months, TextItem::Month, TextItem::Months);
    addPart(weeks, TextItem::Week, TextItem::Weeks);
    addPart(days, TextItem::Day, TextItem::Days);
    Append(" (" + parts + ")");
}

}  // namespace tembrel
