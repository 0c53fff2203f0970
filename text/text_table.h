// The built-in table of short texts: captions, the words of the results and
// message titles, one text per language slot. The table is constant data, so
// there is nothing to fill at start-up.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/language.h"

namespace tembrel {

// One item per text, named after its English text.
enum class TextItem : int16_t {
    A5DayWeekFromTodayIs,
    AWeekFromTodayIs,
    Calendar,
    CancelThisOperation,
    CeJcDateFormat,
    CeJcDateSeparator,
    Clear,
    ClickToChangeCalendar,
    Close,
    CommonEra,
    CommonEraCalendar,
    CommonEraDate,
    Compute,
    Continue,
    CopySelectedTextToClipboard,
    CopyToClipboard,
    CountWeekendDaysInDaysBetweenDates,
    DateDifference,
    Day,
    Days,
    DisplayIsoWeekDates,
    DisplayMonth,
    DisplayNextMonth,
    DisplayPreviousMonth,
    English,
    Enlarge,
    Error,
    Excluding1stDate,
    FirstDate,
    FirstDayOfWeek,
    German,
    Help,
    HyphenInOrdinalAndInIsoWeekDates,
    IncludeFirstDateInDaysBetweenDates,
    Including1stDate,
    InvalidInput,
    IsoWeekDate,
    Julian,
    JulianCalendar,
    JulianCalendarDate,
    JulianDayNumber,
    Minus,
    Month,
    Months,
    None,
    NorvaneLeapWeekMonthDate,
    NorvaneLeapWeekWeekDate,
    NotCountingWeekendDays,
    OnlineDocumentation,
    Or,
    OrdinalDate,
    OutOfRange,
    OutputWindow,
    PleaseSpecifyYear,
    Plus,
    Quit,
    Reset,
    SaveResultsOnQuit,
    SecondToFirst,
    SecondDate,
    TheOutputWindowIsEmpty,
    ThisIsA,
    ThousandsSeparator,
    To,
    Today,
    TodayIs,
    Verbose,
    Week,
    Weeks,
    WithFinalDigitOfYear,
    Year,
    Years,
    YyyyDdd,
    Yyyyddd,
};

inline constexpr int kTextItemCount = static_cast<int>(TextItem::Yyyyddd) + 1;

// Returns the text of `item` in `language` by plain indexing: no fallback to
// English, "???" (a missing translation in the French, Portuguese and Spanish
// slots) and the empty text (the spare slot) are returned as they are. An item
// or language outside the enumerations gives the empty text.
std::string_view T(TextItem item, LanguageCode language);

}  // namespace tembrel
