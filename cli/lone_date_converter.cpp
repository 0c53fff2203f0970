#include "cli/lone_date_converter.h"

#include "compute/calendar_code_suffix.h"
#include "compute/field_parsing.h"
#include "compute/form_rules.h"
#include "core/calendar_binding.h"
#include "core/date_formatting.h"
#include "core/string_utils.h"
#include "text/calendar_names.h"

namespace tembrel::cli {

LoneDateConverter::LoneDateConverter(const MainFormState& form)
    : firstCal_(GetCal(form, DateField::First)),
      secondCal_(GetCal(form, DateField::Second)),
      notation_(CurrentNotation(form, form.chkHyphen)),
      counting_{form.chkIncludeWeekends == 1, form.chkIncludeFirstDate == 1},
      language_(form.intLanguage) {
    if (firstCal_ != secondCal_) {
        AppendCalendarCode(afterFirstDate_, firstCal_);
        afterFirstDate_ += " = ";
    }
    AppendCalendarCode(afterSecondDate_, secondCal_);
    afterSecondDate_ += ", ";
}

bool LoneDateConverter::Applies(const CliOptions& options) {
    return TrimSpaces(options.diff).empty() && TrimSpaces(options.second).empty();
}

// The steps of Compute for a lone first date: validation (parse, then the normal
// form with its code), the second date from a difference of 0 days, and the
// result: only the day of the week when both fields use one calendar, else
// " = ", the date in the second calendar with its code and the day of the week.
// Compute adds no verbose notes to a lone date, whose difference is 0.
bool LoneDateConverter::AppendReport(std::string_view firstDate, TextAppender& out) const {
    const std::string_view text = TrimSpaces(firstDate);
    if (text.empty()) {
        return false;
    }
    CalDate record{};
    const ParsedDate parsed = ParseDateField(text, firstCal_, notation_.order, notation_.dateSep,
                                             notation_.hyphen, record);
    if (parsed.status != kParseValid) {
        return false;
    }
    const std::optional<int32_t> second = SecondDateFrom(parsed.jdn, 0, counting_);
    const bool sameCalendar = firstCal_ == secondCal_;
    if (!second || !CanWriteInNotation(parsed.jdn, firstCal_) ||
        (!sameCalendar && !CanWriteInNotation(*second, secondCal_))) {
        return false;
    }
    if (firstCal_ == CalendarCode::CE || firstCal_ == CalendarCode::JC) {
        // A Common Era or Julian date that validated is the date of its own day
        // number (the two conversions are inverse on every existing date), so the
        // parsed record gives the normal form without converting back.
        AppendDateText(out, record, notation_.order, notation_.dateSep, notation_.thousSep);
    } else {
        AppendJDNInNotation(parsed.jdn, firstCal_, notation_, out);
    }
    if (!sameCalendar) {
        out.Add(afterFirstDate_);
        AppendJDNInNotation(*second, secondCal_, notation_, out);
    }
    out.Add(afterSecondDate_);
    out.Add(WeekdayName(DayOfWeek(*second), language_));
    return true;
}

}  // namespace tembrel::cli
