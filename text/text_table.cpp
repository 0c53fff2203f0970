#include "text/text_table.h"

#include <array>
#include <cstddef>

#include "text/text_row.h"

namespace tembrel {

namespace {

struct TextEntry {
    TextItem item;
    TextRow row;
};

constexpr TextEntry E(TextItem item, std::string_view english, std::string_view german) {
    return {item, EnglishGermanRow(english, german)};
}

// The English and German texts are the program's wording and must stay as they
// are, spelling included: captions are sized to them.
constexpr std::array kTextTable = {
    E(TextItem::A5DayWeekFromTodayIs, "A (5-day) week from today is",
      "Eine (5-Tage-)Woche weiter als heute ist"),
    E(TextItem::AddEllipsis, "Add…", "Hinzufügen…"),
    E(TextItem::AllFiles, "All files (*)", "Alle Dateien (*)"),
    E(TextItem::AWeekFromTodayIs, "A week from today is", "Eine Woche weiter ist"),
    E(TextItem::Calendar, "Calendar", "Kalender"),
    E(TextItem::Cancel, "Cancel", "Abbrechen"),
    E(TextItem::CancelThisOperation, "Cancel this operation", "Annullieren Sie diese Operation"),
    E(TextItem::CeJcDateFormat, "CE/JC date format", "CE/JC-Datumsformat"),
    E(TextItem::CeJcDateSeparator, "CE/JC date separator", "CE/JC-Datumstrennzeichen"),
    E(TextItem::ChooseAFileOfExtraWorkingDays, "Choose a file of extra working days",
      "Datei mit zusätzlichen Arbeitstagen wählen"),
    E(TextItem::ChooseAHolidayFile, "Choose a holiday file", "Feiertagsdatei wählen"),
    E(TextItem::Clear, "Clear", "Löschen"),
    E(TextItem::ClickToChangeCalendar, "Click to change calendar",
      "Anklicken um Kalender zu verändern"),
    E(TextItem::Close, "Close", "Schliessen"),
    E(TextItem::CommonEra, "Common Era", "Common Era"),
    E(TextItem::CommonEraCalendar, "Common Era Calendar", "Common Era Kalender"),
    E(TextItem::CommonEraDate, "Common Era date", "Common Era Datum"),
    E(TextItem::Compute, "Compute", "Berechnen"),
    E(TextItem::Continue, "Continue", "Fortfahren"),
    E(TextItem::CopySelectedTextToClipboard, "Copy selected text to clipboard",
      "Kopieren ausgewählter Text in Zwischenablage"),
    E(TextItem::CopyToClipboard, "Copy to clipboard", "Kopieren in Zwischenablage"),
    E(TextItem::CountWeekendDaysAndHolidays, "Count weekend days and holidays (%1)",
      "Wochenendtage und Feiertage (%1) zählen"),
    E(TextItem::CountWeekendDaysInDaysBetweenDates, "Count weekend days in days-between-dates",
      "Wochenendtage zählen"),
    E(TextItem::DateDifference, "Date difference", "Datumsdifferenz"),
    E(TextItem::Day, "Day", "Tag"),
    E(TextItem::Days, "Days", "Tage"),
    E(TextItem::DisplayIsoWeekDates, "Display ISO Week dates", "ISO-Woche-Daten zeigen"),
    E(TextItem::DisplayMonth, "Display month", "Monat zeigen"),
    E(TextItem::DisplayNextMonth, "Display next month", "Folgender Monat zeigen"),
    E(TextItem::DisplayPreviousMonth, "Display previous month", "Vorhergehender Monat zeigen"),
    E(TextItem::English, "English", "Englisch"),
    E(TextItem::Enlarge, "Enlarge", "Vergrößern"),
    E(TextItem::Error, "Error", "Fehler"),
    E(TextItem::Excluding1stDate, "excluding 1st date", "ausschliesslich 1. Datum"),
    E(TextItem::ExtraWorkingDays,
      "Extra working days (lists of dates):", "Zusätzliche Arbeitstage (Datumslisten):"),
    E(TextItem::FirstDate, "First date", "Erstes Datum"),
    E(TextItem::FirstDayOfWeek, "First day of week", "Erster Tag der Woche"),
    E(TextItem::German, "German", "Deutsch"),
    E(TextItem::Help, "Help", "Hilfe"),
    E(TextItem::HolidayFiles, "Holiday files (*.txt *.ics)", "Feiertagsdateien (*.txt *.ics)"),
    E(TextItem::HyphenInOrdinalAndInIsoWeekDates, "Hyphen in ordinal and in ISO Week dates",
      "Divis in Ordinal und in ISO-Woche Daten"),
    E(TextItem::IncludeFirstDateInDaysBetweenDates, "Include first date in days-beween-dates",
      "Erstes Datum einschliessen"),
    E(TextItem::Including1stDate, "including 1st date", "einschliesslich 1. Datum"),
    E(TextItem::InvalidInput, "Invalid input", "Ungültige Eingabe"),
    E(TextItem::IsoWeekDate, "ISO Week date", "ISO-Woche-Datum"),
    E(TextItem::Julian, "Julian", "Julianisch"),
    E(TextItem::JulianCalendar, "Julian Calendar", "Julianischer Kalender"),
    E(TextItem::JulianCalendarDate, "Julian Calendar date", "Julianisches Kalenderdatum"),
    E(TextItem::JulianDayNumber, "Julian day number", "Julianische Tageszahl"),
    E(TextItem::Minus, "minus", "minus"),
    E(TextItem::Month, "Month", "Monat"),
    E(TextItem::Months, "Months", "Monate"),
    E(TextItem::None, "None", "Keine"),
    E(TextItem::NorvaneLeapWeekMonthDate, "Norvane Leap Week month date",
      "Norvane Leap Week Monatdatum"),
    E(TextItem::NorvaneLeapWeekWeekDate, "Norvane Leap Week week date",
      "Norvane Leap Week Wochendatum"),
    E(TextItem::NotCountingWeekendDays, "not counting weekend days",
      "die Wochenendtage nicht gezählt"),
    E(TextItem::Ok, "OK", "OK"),
    E(TextItem::OnlineDocumentation, "Online documentation", "Online-Dokumentation"),
    E(TextItem::OnlyTheWeekendIsNotCounted,
      "Until they are chosen again, only the weekend days are not counted.",
      "Bis sie neu gewählt werden, werden nur die Wochenendtage nicht gezählt."),
    E(TextItem::Or, "or", "oder"),
    E(TextItem::OrdinalDate, "Ordinal date", "Ordinaldatum"),
    E(TextItem::OutOfRange, "Out of Range", "Ausserhalb des erlaubten Bereichs"),
    E(TextItem::OutputWindow, "Output window", "Ausgabefenster"),
    E(TextItem::PleaseSpecifyYear, "Please specify year", "Spezifizieren Sie bitte das Jahr"),
    E(TextItem::Plus, "plus", "plus"),
    E(TextItem::PublicHolidaysOf, "Public holidays of:", "Feiertage von:"),
    E(TextItem::Quit, "Quit", "Beenden"),
    E(TextItem::Remove, "Remove", "Entfernen"),
    E(TextItem::Reset, "Reset", "Rückstellen"),
    E(TextItem::SaveResultsOnQuit, "Save results on quit", "Ergebnisse sichern auf Beendung"),
    E(TextItem::SecondToFirst, "Second -> First", "Zweites -> Erstes"),
    E(TextItem::SecondDate, "Second date", "Zweites Datum"),
    E(TextItem::TheOutputWindowIsEmpty, "The output window is empty.",
      "Das Ausgabefenster is leer."),
    E(TextItem::TheWorkingDaysCannotBeUsed, "The saved working days cannot be used:",
      "Die gespeicherten Arbeitstage lassen sich nicht verwenden:"),
    E(TextItem::ThisIsA, "This is a", "Dies ist ein"),
    E(TextItem::ThousandsSeparator, "Thousands separator", "Tausendertrennzeichen"),
    E(TextItem::To, "To", "Bis"),
    E(TextItem::Today, "Today", "Heute"),
    E(TextItem::TodayIs, "Today is", "Heute ist"),
    E(TextItem::Verbose, "Verbose", "Zusatzinfo"),
    E(TextItem::Week, "Week", "Woche"),
    E(TextItem::WeekendDays, "Weekend days:", "Wochenendtage:"),
    E(TextItem::WeekendHolidaysAndYourOwnDaysOff,
      "The weekend, public holidays and your own days off",
      "Wochenende, Feiertage und eigene freie Tage"),
    E(TextItem::Weeks, "Weeks", "Wochen"),
    E(TextItem::WithFinalDigitOfYear, "with final digit of year", "mit letzter Ziffer des Jahres"),
    E(TextItem::WorkingDays, "Working days", "Arbeitstage"),
    E(TextItem::WorkingDaysEllipsis, "Working days…", "Arbeitstage…"),
    E(TextItem::Year, "Year", "Jahr"),
    E(TextItem::Years, "Years", "Jahre"),
    E(TextItem::YourOwnHolidays, "Your own holidays (lists of dates, iCalendar files):",
      "Eigene Feiertage (Datumslisten, iCalendar-Dateien):"),
    E(TextItem::YyyyDdd, "yyyy-ddd", "JJJJ-TTT"),
    E(TextItem::Yyyyddd, "yyyyddd", "JJJJTTT"),
};

static_assert(kTextTable.size() == kTextItemCount, "one entry per text item");

// Returns true when entry i of the table is item i, so that T can index it.
constexpr bool IsInItemOrder() {
    for (std::size_t i = 0; i < kTextTable.size(); ++i) {
        if (static_cast<std::size_t>(kTextTable[i].item) != i) {
            return false;
        }
    }
    return true;
}
static_assert(IsInItemOrder(), "the table lists the items in the order of TextItem");

}  // namespace

std::string_view T(TextItem item, LanguageCode language) {
    const auto index = static_cast<std::size_t>(item);
    if (index >= kTextTable.size()) {
        return {};
    }
    return RowText(kTextTable[index].row, language);
}

}  // namespace tembrel
