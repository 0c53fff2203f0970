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
    AddEllipsis,
    AllFiles,
    AWeekFromTodayIs,
    Calendar,
    Cancel,
    CancelThisOperation,
    CeJcDateFormat,
    CeJcDateSeparator,
    ChooseAFileOfExtraWorkingDays,
    ChooseAHolidayFile,
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
    CountWeekendDaysAndHolidays,
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
    ExtraWorkingDays,
    FirstDate,
    FirstDayOfWeek,
    German,
    Help,
    HolidayFiles,
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
    Ok,
    OnlineDocumentation,
    OnlyTheWeekendIsNotCounted,
    Or,
    OrdinalDate,
    OutOfRange,
    OutputWindow,
    PleaseSpecifyYear,
    Plus,
    PublicHolidaysOf,
    Quit,
    Remove,
    Reset,
    SaveResultsOnQuit,
    SecondToFirst,
    SecondDate,
    TheOutputWindowIsEmpty,
    TheWorkingDaysCannotBeUsed,
    ThisIsA,
    ThousandsSeparator,
    To,
    Today,
    TodayIs,
    Verbose,
    Week,
    WeekendDays,
    WeekendHolidaysAndYourOwnDaysOff,
    Weeks,
    WithFinalDigitOfYear,
    WorkingDays,
    WorkingDaysEllipsis,
    Year,
    Years,
    YourOwnHolidays,
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
