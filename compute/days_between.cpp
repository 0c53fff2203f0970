// The days between two dates, their report line and its breakdown into years,
// months or weeks, and days.
#include "compute/computation.h"
#include "core/calendar_binding.h"
#include "core/calendar_differences.h"
#include "core/date_formatting.h"
#include "core/iso_week.h"
#include "core/string_utils.h"

namespace tembrel::engine {

namespace {

// The date of a record's day number in the record's own calendar.
CalDate DateOfJDN(const CalDate& record, int32_t jdn) {
    return CalDateOfJDN(jdn, static_cast<char>(record.marker));
}

// The parts of a breakdown as the result holds them.
Breakdown PartsOf(const YearsDays& diff) {
    Breakdown parts;
    parts.years = diff.years;
    parts.days = diff.days;
    return parts;
}

Breakdown PartsOf(const YearsWeeksDays& diff) {
    Breakdown parts;
    parts.years = diff.years;
    parts.weeks = diff.weeks;
    parts.days = diff.days;
    return parts;
}

Breakdown PartsOf(const YearsMonthsDays& diff) {
    Breakdown parts;
    parts.years = diff.years;
    parts.months = diff.months;
    parts.days = diff.days;
    return parts;
}

template <class Diff>
std::optional<Breakdown> PartsOf(const std::optional<Diff>& diff) {
    if (!diff) {
        return std::nullopt;
    }
    return PartsOf(*diff);
}

}  // namespace

bool Computation::ComputeDaysBetween() {
    const std::optional<int32_t> days = holidays::CountDaysBetween(
        *WorkingDays().calendar, first_.jdn, second_.jdn, CountOptions());
    if (!days) {
        ReportOutOfRange();
        return false;
    }
    dateDiff_ = *days;
    result_.days = *days;
    return true;
}

void Computation::DisplayDateDiff() {
    AppendDateWithCode(DateField::First);
    out_.Add(' ');
    AppendLowerCase(out_, Text(TextItem::To));
    out_.Add(' ');
    AppendDateWithCode(DateField::Second);
    out_.Add(" = ");
    std::string& count = result_.Field(InputField::Difference);
    count.clear();
    {
        TextAppender countOut(count);
        AppendWholeNumber(countOut, dateDiff_, request_.notation.thousSep);
    }
    out_.Add(count);
    out_.Add(' ');
    AppendDayOrDays(dateDiff_);
    if (request_.verbose) {
        AppendVerboseNotes();
    }
    AppendBreakdown();
}

// Adds " (1 year, 2 months, 14 days)" when weekends are counted, the count is
// positive and both dates are in the same Common Era, Julian, ISO week or ordinal
// notation. With the first date counted, the breakdown starts the day before it,
// so that it adds up to the day count shown.
void Computation::AppendBreakdown() {
    const CalendarCode cal = request_.firstCalendar;
    const bool applies = request_.countWeekends && dateDiff_ > 0 &&
                         cal == request_.secondCalendar &&
                         (cal == CalendarCode::CE || cal == CalendarCode::JC ||
                          cal == CalendarCode::ISO || cal == CalendarCode::ORD);
    if (!applies) {
        return;
    }
    const int32_t firstJDN = first_.jdn - (request_.includeFirstDate ? 1 : 0);
    std::optional<Breakdown> found;
    if (cal == CalendarCode::ORD && dateDiff_ >= 365) {
        found = PartsOf(DiffYD(DateOfJDN(first_, firstJDN), second_));
    } else if (cal == CalendarCode::ISO && dateDiff_ >= 7) {
        found = PartsOf(DiffYWD(ISOWeekDateOf(firstJDN), ISOWeekDateOf(second_.jdn)));
    } else if (dateDiff_ >= 31) {
        found = PartsOf(DiffYMD(DateOfJDN(first_, firstJDN), second_));
    }
    if (!found || (found->years <= 0 && found->months <= 0 && found->weeks <= 0)) {
        return;
    }
    Breakdown& parts = *found;
    parts.shown = true;
    result_.breakdown = parts;
    const char* separator = " (";
    auto addPart = [&](int64_t count, TextItem singular, TextItem plural) {
        if (count <= 0) {
            return;
        }
        out_.Add(std::string_view(separator));
        separator = ", ";
        out_.AddNumber(count, 1);
        out_.Add(' ');
        AppendUnitWord(singular, plural, count);
    };
    addPart(parts.years, TextItem::Year, TextItem::Years);
    addPart(parts.months, TextItem::Month, TextItem::Months);
    addPart(parts.weeks, TextItem::Week, TextItem::Weeks);
    addPart(parts.days, TextItem::Day, TextItem::Days);
    out_.Add(')');
}

}  // namespace tembrel::engine
