// The captions that follow the language, for the main window and the
// clear-one-field dialog.
#include "core/string_utils.h"
#include "text/program_text_numbers.h"
#include "text/text_table.h"
#include "ui/model/main_form.h"

namespace tembrel {

void MainForm::SetLanguageDependentText() {
    using C = MainWindowControl;
    using I = TextItem;
    const LanguageCode language = form.intLanguage;
    const bool german = language == LanguageCode::German;
    // German keeps the capitals of its nouns; the other languages write these
    // captions in lower case.
    const auto lowerUnlessGerman = [german](std::string text) {
        return german ? text : LowerCase(text);
    };

    SetCaption(C::lblDateFormat, Text(I::CeJcDateFormat) + ":");
    SetCaption(C::lblDateSeparator, Text(I::CeJcDateSeparator) + ":");
    SetCaption(C::lblThousandsSeparator, Text(I::ThousandsSeparator) + ":");
    SetCaption(C::lblFirstDate, Text(I::FirstDate) + ":");
    SetCaption(C::lblSecondDate, Text(I::SecondDate) + ":");
    SetCaption(C::lblDateDifference, Text(I::DateDifference) + ":");

    SetCaption(C::optDays, lowerUnlessGerman(Text(I::Days)));
    SetCaption(C::optMonths, lowerUnlessGerman(Text(I::Months)));

    SetCaption(C::lblThisIsA0, Text(I::ThisIsA));
    SetCaption(C::lblThisIsA1, Text(I::ThisIsA));

    const std::string year = Text(I::Year);
    const std::string month = Text(I::Month);
    const std::string day = Text(I::Day);
    SetCaption(C::optDateFormatIsYMD, lowerUnlessGerman(year + " " + month + " " + day));
    SetCaption(C::optDateFormatIsDMY, lowerUnlessGerman(day + " " + month + " " + year));
    SetCaption(C::optDateFormatIsMDY, lowerUnlessGerman(month + " " + day + " " + year));

    SetCaption(C::cmdCompute, Text(I::Compute));
    SetCaption(C::cmdToday0, Text(I::Today));
    SetCaption(C::cmdToday1, Text(I::Today));
    SetCaption(C::cmdReset, Text(I::Reset));
    SetCaption(C::cmdHelp, Text(I::Help));
    SetCaption(C::cmdQuit, Text(I::Quit));
    for (const C clear : {C::cmdClearFirstDate, C::cmdClearSecondDate, C::cmdClearDateDiff,
                          C::cmdClearOutputWindow}) {
        SetCaption(clear, Text(I::Clear));
    }
    SetCaption(C::cmdMoveSecondDateToFirst, Text(I::SecondToFirst));
    SetCaption(C::cmdAllCalendars, texts_.ProgramText(program_text::kAllCalendarsCaption));
    window.tooltips[static_cast<size_t>(Index(C::cmdAllCalendars))] =
        texts_.ProgramText(program_text::kAllCalendarsButtonTooltip);
    // The copy button's width goes with its caption: a start in German must not
    // keep the English width until the first click into the output.
    SetCopyButton();
    SetCaption(C::cmdDisplayMonth, Text(I::DisplayMonth));
    SetCaption(C::cmdEnlarge, Text(I::Enlarge));

    SetCaption(C::optThousSepNone, LowerCase(Text(I::None)));

    // Only the first date's options carry the calendar's code.
    struct CalendarCaption {
        C first;
        C second;
        I item;
        std::string_view code;
    };
    for (const CalendarCaption& caption : {
             CalendarCaption{C::optFirstDateIsCE, C::optSecondDateIsCE, I::CommonEraDate, "CE"},
             CalendarCaption{C::optFirstDateIsJC, C::optSecondDateIsJC, I::JulianCalendarDate,
                             "JC"},
             CalendarCaption{C::optFirstDateIsORD, C::optSecondDateIsORD, I::OrdinalDate, ""},
             CalendarCaption{C::optFirstDateIsJDN, C::optSecondDateIsJDN, I::JulianDayNumber,
                             "JDN"},
             CalendarCaption{C::optFirstDateIsISO, C::optSecondDateIsISO, I::IsoWeekDate, "ISO"},
             CalendarCaption{C::optFirstDateIsLPM, C::optSecondDateIsLPM,
                             I::NorvaneLeapWeekMonthDate, "LPM"},
             CalendarCaption{C::optFirstDateIsLPW, C::optSecondDateIsLPW,
                             I::NorvaneLeapWeekWeekDate, "LPW"},
         }) {
        if (!caption.code.empty()) {
            SetCaption(caption.first, Text(caption.item) + " (" + std::string(caption.code) + ")");
        }
        SetCaption(caption.second, Text(caption.item));
    }
    SetOrdinalCaption();

    window.tooltips[static_cast<size_t>(Index(C::lblTodaysDate))] = Text(I::ClickToChangeCalendar);
    SetCaption(C::lblOnlineDocumentation, Text(I::OnlineDocumentation));
    SetCaption(C::chkIncludeFirstDate, Text(I::IncludeFirstDateInDaysBetweenDates));
    SetWorkingDaysCaptions();
    SetCaption(C::chkVerbose, Text(I::Verbose));
    SetCaption(C::chkHyphen, Text(I::HyphenInOrdinalAndInIsoWeekDates));
    SetCaption(C::chkSaveOutput, Text(I::SaveResultsOnQuit));

    window.chkSaveOutputLeft =
        language == LanguageCode::English ? kSaveOutputLeftEnglish : kSaveOutputLeftOther;

    // The month window's captions, after the main window's and before the
    // clear-one-field dialog's (MonthWindow() creates it, hidden).
    MonthWindow().SetLanguageDependentText();
    if (allCalendars_) {
        allCalendars_->SetLanguageDependentText();
    }

    window.clearOneField = ClearOneFieldCaptionsIn(language);
}

}  // namespace tembrel
