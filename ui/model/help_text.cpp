#include "ui/model/help_text.h"

#include "ui/model/web_addresses.h"

namespace tembrel {

namespace {

constexpr std::string_view kParagraphEnd = "\r\n\r\n";
constexpr std::string_view kLastLineEnd = "\r\n";
constexpr std::string_view kQuote = "\"";

// Joins pieces without anything between them.
template <typename... Pieces>
std::string Join(const Pieces&... pieces) {
    std::string text;
    (text.append(pieces), ...);
    return text;
}

std::string EnglishHelpText(const HelpAddresses& a) {
    return Join(
        "The complete user manual for this software ", "is online at: ", a.manualEnglish,
        kParagraphEnd, "This program converts Common Era dates, Julian Calendar dates, ",
        "ISO 8601 Week dates, Norvane Leap Week dates, ordinal dates ('yyyy-ddd') and Julian day "
        "numbers.  ",
        "It can also be used to add or subtract a number of days or months to or from ",
        "a date and to find the difference in days between two dates.", kParagraphEnd,
        "A Common Era (CE) date is a date in the Gregorian Calendar, except that years are "
        "numbered ",
        "-1, 0, 1, 2 CE ... rather than AD/BC (1 AD = 1 CE, 1 BC = 0 CE, 2 BC = -1 CE, etc.)",
        kParagraphEnd,
        "A Julian Calendar date is a date in the Julian Calendar, with years numbered in the same "
        "way.  See ",
        a.calendarArticle, ".", kParagraphEnd,
        "The ordinal date 'yyy-yddd' date specifies day 'ddd' of Common Era year 'yyyy', where New "
        "Year's Day ",
        " is day 001 and the last day of the year is 365 or (in leap years) 366.  Dates in this "
        "format ",
        "can range from 0001-001 to 9999-365.", kParagraphEnd,
        "An ISO 8601 Week Calendar date is a date of the form (year)-W(week)-(day).  For an "
        "explanation of ",
        "this calendar see: ", a.isoWeekReference, kParagraphEnd,
        "A Norvane Leap Week Calendar date is of the form (year)-(week)-(day) LPW or "
        "(year)-(month)-(day) LPM.  ",
        "For an explanation of ", "this calendar see: ", a.leapWeekPage, kParagraphEnd,
        "The (chronological) Julian day number of a day is the number of days since ",
        "the start of -4712-01-01 (Julian Calendar).", kParagraphEnd,
        "To convert a date from one calendar to another first specify the input and output "
        "calendars ",
        "to be used then enter the date in 'First date', and click on 'Compute'.", kParagraphEnd,
        "To get the number of days from one date to another (possibly a date in a different ",
        "calendar) enter both dates and click on 'Compute'.", kParagraphEnd,
        "To add or subtract a number of days to the first ",
        "date (or to the second date) enter that date and the number of days ",
        "(positive or negative) and click on 'Compute'.", kParagraphEnd,
        "The button 'All calendars' shows the first date (or today) in every calendar and day ",
        "count the program knows, among them the Hebrew, Islamic, Persian and Chinese calendars, ",
        "the Maya long count and Unix time.  Type a date into any of its rows and press Enter ",
        "to convert it into all the others.", kParagraphEnd,
        "In the Julian Calendar a year is a leap year if it is divisible by 4.  ",
        "In the Common Era Calendar a year is a leap year if either (i) it is divisible by 4 but "
        "not by 100 ",
        "or (ii) it is divisible by 400.  In the Norvane Leap Week Calendar a year is a leap year "
        "if it is ",
        "the third year of a 'hexade'.", kLastLineEnd);
}

std::string GermanHelpText(const HelpAddresses& a) {
    return Join(
        "Das Benutzerhandbuch für diese Software ", "ist an ", a.manualGerman, " verfügbar.",
        kParagraphEnd, "Dieses Programm konvertiert verschiedene Arten von Daten ",
        "und julianische Tageszahlen.  Es erlaubt die Addition und die Subtraktion einer Anzahl ",
        "von Tagen oder Monate zu einem vorgegebenen Datum.", kParagraphEnd,
        "Ein Datum im (engl.) ", kQuote, "Common Era", kQuote, " Kalender (CE) ",
        "gleicht einem Datum im gregorianischen Kalender. Aber in diesem Kalender ",
        "gibt es das Jahr 0, so dass sich die Jahreszahlen bezogen auf die Zeit vor Christi "
        "Geburt ",
        "zwischen dem gregorianischen Kalender und dem ", kQuote, "Common Era", kQuote,
        " Kalender um eine Einheit unterscheiden: ",
        "1 CE = 1 n.Chr., 0 CE = 1 v.Chr., -1 CE = 2 v.Chr., -2 CE = 3 v.Chr. usw.", kParagraphEnd,
        "Ein julianisches Kalenderdatum ist ein Datum im julianischen Kalender (JC); ",
        "die Jahre werden in gleicher Weise gezählt.  ", "Sehen Sie ", a.calendarArticle,
        kParagraphEnd,
        "Ein ISO-8601-Woche Kalenderdatum ist ein Datum der Form (Jahr)-W(Woche)-(Tag).  ",
        "Für eine Erklärung dieses Kalenders sehen Sie: ", a.isoWeekReference, kParagraphEnd,
        "Ein Norvane Leap Week Kalenderdatum ist von der Form (Jahr)-(Woche)-(Tag) LPW ",
        "oder (Jahr)-(Monat)-(Tag) LPM.  ",
        "Für eine Erklärung dieses Kalenders sehen Sie: ", a.leapWeekPage, kParagraphEnd,
        "Die julianischen Zählung verwendet den Tag als Einheit. Die ",
        "(chronologische) julianische Tageszahl (JDN) gibt die Anzahl der Tage an, die seit dem ",
        "Anfang vom 1.1.-4712 JC vergangen sind.", kParagraphEnd,
        "Um die Daten aus einem Kalender in einen anderen umzuwandeln, ",
        "ist zuerst zu spezifizieren, auf welches Kalendersystem sich das 'Erste ",
        "Datum' bezieht, gefolgt von der Angabe des Kalenders, in den ",
        "umgerechnet werden soll.  ",
        "Danach muss im Feld 'Erstes Datum' ein Datum eingegeben "
        "werden. ",
        "Das Anklicken von 'Berechnen' liefert das Resultat.", kParagraphEnd,
        "Um die Anzahl der Tage zwischen zwei Datumsangaben eines Kalenders ",
        "zu erhalten (möglich sind Datumsangaben in allen Kalendersystemen) ",
        "sind beide Daten einzugeben. Resultat durch Klick auf 'Berechnen'.", kParagraphEnd,
        "Um eine Anzahl von Tagen zu einem Datum (erstes oder zweites Datum) ",
        "zu addieren oder von einem Datum zu subtrahieren, muss das Datum ",
        "angegeben werden plus die Anzahl der Tage: positiv (Addition) oder ",
        "negativ (Subtraktion).  Resultat durch Klick auf 'Berechnen'.", kParagraphEnd,
        "Der Knopf 'Alle Kalender' zeigt das erste Datum (oder das heutige) in jedem Kalender ",
        "und jeder Tageszählung, die das Programm kennt, darunter der hebräische, islamische, ",
        "persische und chinesische Kalender, die Lange Zählung der Maya und die Unixzeit.  ",
        "Tippen Sie ein Datum in eine seiner Zeilen und drücken Sie Enter, um es in alle ",
        "anderen umzurechnen.", kParagraphEnd,
        "Im julianischen Kalender ist ein Jahr Schaltjahr, wenn die Jahreszahl ",
        "durch 4 teilbar ist.  Im Common Era Kalender ist ein Jahr Schaltjahr, ",
        "wenn die Jahreszahl durch 4 aber nicht durch 100 teilbar ist, mit ",
        "der Ausnahme, dass Jahreszahlen, die durch 400 teilbar sind, ",
        "ebenfalls Schaltjahre ergeben.  Im Norvane Leap Week Kalender ein Jahr ist ein "
        "Schaltjahr, ",
        "wenn es das dritte Jahr eines 'Hexade' ist.", kLastLineEnd);
}

}  // namespace

HelpAddresses DefaultHelpAddresses(std::string_view manualEnglish, std::string_view manualGerman) {
    return {std::string(manualEnglish), std::string(manualGerman),
            std::string(kCalendarArticlePage), std::string(kISOWeekDateReference),
            std::string(kLeapWeekCalendarPage)};
}

std::string HelpText(LanguageCode language, const HelpAddresses& addresses) {
    switch (language) {
        case LanguageCode::English:
            return EnglishHelpText(addresses);
        case LanguageCode::German:
            return GermanHelpText(addresses);
        default:
            return {};
    }
}

HelpTexts BuildHelpText(const HelpAddresses& addresses) {
    HelpTexts texts;
    for (int slot = 0; slot < kLanguageSlotCount; ++slot) {
        texts[static_cast<size_t>(slot)] = HelpText(static_cast<LanguageCode>(slot), addresses);
    }
    return texts;
}

}  // namespace tembrel
